// The game's own texts, scrambled. Written by voratextes (voratextes build
// tools/voratextes/textes.txt shell/core/textesdonnees.cpp); not edited by hand.
#include "shell/core/textesdonnees.h"

const textecrypte textesdonnees[] = {
    {"titre", "/|TL/V"},
    {"commentaire",
     "V/|T<-<%e;eK8hlu{!9q^e<_\\O<eP4rO<,P$re|\351^fP,re<u{h _B!9ulhrqBu^'l!B\351re<OrhL/"},
    {"demarrage.fr", "_B!9u<5QX\\qrh "},
    {"demarrage.en", "rh^_Yu,yMqdX@h{"},
    {"m2.fr.1", "_\\Orh0=rhj_<<rq\352!Bu!Bp_<,B'jfrhre{h fNe<,"},
    {"m2.fr.2", "Orhj_<,B'jfrh XNo<fPhH\351 fP&roo<xf9RNu_hl=BhNqrhtf\350&;u<_NhAXBO"},
    {"m2.fr.3", "<e%=B'lhrq<Ory%olhHulhZ_lul*%=<<P'{ul/j_<,j'lero<_~uZhj_"},
    {"m2.fr.4",
     "NhZ\364{\351<X\371hNqrh _B!9u<ul!<&P&;\351r*pulhtf\350&;ulh\\.P\" _B_9elu\\!<RNu<O"},
    {"m2.fr.5", "uNh,dQX\\h"},
    {"m2.en.1", "<!;_\\h{yrh>'\\O%[!o?yrh^o9O<'lhj_B,r"},
    {"m2.en.2", "u<Xth{yrh^o9O<!%hYX~u<'{Mxf9&KhPq<_Bo%[<_{h{yrhrO^"},
    {"m2.en.3", "erhP[P]<<BXYh{yrhZujfl*%o<OB_^h9!<[9!;h{yrhYXN"},
    {"m2.en.4", "rorh _B!<Xth{yrh^o9O<'lh;'HOrq!y8q<_Bo%[<X\\f@hly%[lh%q<_<e9Orh>"},
    {"m2.en.5", "rh^_Yu,yMqdX@h{"},
    {"m3.fr.1", "Hu<\351Zo9!<XNhr<t_Zu<=\\u<\"r!9!rh~_juNo<&PqH'H_{u!'bX{ulhP=<&B_@X\\h5hNq<&j'"
                "ZhHo%'{hH_\\e<=\\u<&Perh~"},
    {"m3.fr.2", "qlhju<!B'Pq^frhHu<fPhZ_lu!PxyPRNu<4Pfr=BhPhl_<\"j_Zu<O"},
    {"m3.fr.3", "OPqlhju<o%qHhHu<fPhZ_lu!<xyPRNu<4Pfr=BhPhl_<\"j_Zu"},
    {"m3.fr.4", "_<&PerhZ_Zyrhlulh\\X{ul*Dqrh~_juNo<\"%e\351u<OPqlhj"},
    {"m3.en.1",
     "<[B'{ulh%o<or$%4re<_<eY_jf<&PqH'H_{u<4PfNu!fnu\\&9f<$PoKe5hPhB'^y{hZf9&Kh9q<_\\hr$ !@hZuj"},
    {"m3.en.2", "Zu<'\\h{yrhZujf$e<!B'Pq^fr*M_Zy<4PfNu<yPe<'{e<X>q<\"j_"},
    {"m3.en.3", "_Zu<'\\h{yrhZujf$e<&9oZfr*M_Zy<4PfNu<yPe<'{e<X>q<\"j"},
    {"m3.en.4", "<&rfjh;'Hulh9!lhY_Bsl*8h~_j=rhrq{uBuHh9q<!;u"},
    {"m4.fr.1", "<,B'jfrh\\\260xyPo^uBhj_"},
    {"m4.fr.2", "9orh{ujfrh0=rh~XNe<fPhj_9elu_*p_<,B'jfrh\\\260_=K[<ore{u<u\\hY\351YX"},
    {"m4.en.2", "YXB]<_lh@XNhjuP4rh9!!u*o9O<1_=K[<e{_@e<'\\hY"},
    {"m5.fr.1", "jfrh\\\260p_<,B'"},
    {"m5.fr.2", "u\\hZXNol*re{hH\351d\340<"},
    {"m5.fr.3", "_<,B'jfrh\\\260|uZyPo^uBhj"},
    {"m5.fr.4",
     "_\\qNfP!9X\\hr!<frh{uY\"lhlX\\!<&%qluB4\351e!$LXlhl_9e9ulM<4%e<q%!reohj.;'l!%o9RNu<O"},
    {"m5.en.4", "HX<y9e{XB]<_\\O<!9$rhPorhKu !!q7XNo<u\\!B'reoh u\\&9f<$PoKeohN"},
    {"m6.fr.1", "{XN!re<fre<&Pere<e%q{hBuY\"j're!hp_<,B'jfrh\\\260_=K4<ul!<!roY'\\\351rh5"},
    {"m6.en.1", "hr4ro@hZujf<'lht'jfrO!5*o9O<1_=K4<'lht'\\'lyrO"},
    {"m7.fr.1", "q\260iNs~<*o9fju"},
    {"m7.fr.2", "a<iNs><b'~uP="},
    {"m7.en.1", "1_=K4*o9O<"},
    {"m7.en.2", "<iNs>apu~uj"},
    {"m8.fr.1", "h _NerhWr/_9orhNq"},
    {"m8.fr.2",
     "!Bu<e$_Bo\352!rhd=lRN.\340h~X{orhBu{XNo!\350p_<<rq\352!Bu<erhB\351H=9!<u{hju<&;o%q%$"},
    {"m8.en.1", "vBuPsW<?_Ku<_"},
    {"m8.en.2", "X\\XYu{uBhl!%\"lhNq{'jh@XNhZXYu<vP&K*?yrh>'\\O%[<'lhY'\\'Y'luHhPqHh{yrhZyB"},
    {"m9.fr.1", "ju<3r=<#2=9!{uBh"},
    {"m9.fr.2", "<u\\or,9e{o\351uoh =9e<frhduNhlu<<roYu!!V=9h5hj_<\"Po{'rhHu<&;_0=rh^o9fju<ul"},
    {"m9.fr.3", "hPh\351!\351hdXN\351<Or\"N'lhju<Oro\\'ro<u\\or,9e{or$rq{*bX\\h5hju<3r=<erhtuB$rhl_"
                "\\e<u\\or,9e{oro<&rh0=9"},
    {"m9.fr.4", "q{'\\=ri<\340<3%=ro!%8q\\=juBh5h~XNe<&"},
    {"m9.en.1", "u<,P$r#2=9!<!;"},
    {"m9.en.2", "_~uHM<!;u\\h{yrh^_Yu<&jXlul*7ula<u~uB]<,B'H.lh fP]<'lhl"},
    {"m9.en.3", ";_{h>_lh fP]rO<e9qZu<!;u<fPe{hl_~u![bX5h{yrh^_Yu<&jXlulh>'{y%={hl_~'\\,<"},
    {"m9.en.4", "X\\h fP]9q^*x_\\&rf5h^X<"},
    {"m10.fr.1", "uNolhHX\\q\351ulhWj|u~u\\'BhP=6h~_"},
    {"m10.fr.2", "j_{'%q<ul!<49O\351hr!<e%q<!r$ "
                 "e<or49u\\!<\340<i\351o%hzhjulh\\X{ulhBul!rq{*LXlh~_juNolhHu<&r!{u<,B'jfrhlX\\!<"
                 "ut<P&\351ulM<e%q<y9e{XB'0=rhH.Pq\\="},
    {"m10.en.1", "<,94rq<4PfNul#*X<vP&Kh{X<!;u"},
    {"m10.en.2", "%o@hr$ "
                 "!9uHhPqHh9!lh{'Yu<er!<vP&Kh{X<iro%?<!;u<\"rqZ'jhY_Bslhl!P]!!M4ro@h~_j=rh@XNhrq{"
                 "uBuHh9q<!;'lh^o9O<[9fjhAu<uB_luHM<'{e<=\\O%h;'l"},
    {"m11.fr.1", "fju<u{hjulhB\351^fP,re<#MqBu^'l!BuBhZu{!rh^o9"},
    {"m11.en.1", "\\O<!;u<er!{'\\,l#a_~u<!;'lh^o9O<_"},
    {"m12.fr.1", "B'jfrh{uB$9q\351u<#MqBu^'l!BuBhj_<,"},
    {"m12.en.1", "9e;uHh^o9OWqa_~u<!;u<<9"},
    {"m13.fr.1",
     ",reoh\253h/"
     "h\273hBu~'rq{hP=6h~_juNolhHX\\q\351ulM\253hah\273hrqBu^'l!Bu<fPh^o9fju<u{hjulhB\351^fP"},
    {"m13.fr.2", "_lulM<\253<#<\273<XN4Bu<fre<\"P,re<OrhB\350^freoZ\253hRh\273hr!<\253</"
                 "<\273<&;_\\,rq{hj_<!P'jfrhHulh"},
    {"m13.fr.3", "9!<=\\u<\"P=lu<u{h\253h#h\273h0=9!{u<frhduN*\253h/"
                 "K=Ubh\273hZyPq^u<Orhj_\\,Nuoh\253hnh\273ht_"},
    {"m13.en.1", "<z/z<,%ulhA_Zs<!%h{yrh^'~u\\h~_j=reoMyjyhl_~ulh{yrh^o9O<_\\O<!;u<er!{'\\,l"},
    {"m13.en.2", "<&rfjeohy#yh%\"rqlh{yrhB=julh _^ulMyFyhPqHhy/yhZyPq^u<!;u<e9irh%<<!;u"},
    {"m13.en.3", "KulhPhAor_KhPqHhy0yh0=9!lh{yrh^_Yu!_y:|-M^yhZyPq^ulh{yrhj_\\,N_^uohy9yh{"},
    {"m14.fr.1", "<_~uZhjulh{XN&;ulh4h\340h}M<\"N'lhZf9RNu_hl=BhNqrhZ_lu!=xy%'l'leri<=\\u<4Pfr=BhH_"
                 "\\e<f$yrJP,%qrhHulh~_juNolh%"},
    {"m14.fr.2", "fr=Bh0=rh~XNe<_~u_h Xl\351r*p_<4Pfr=Bh4hr<t_Zu<=\\u<4P"},
    {"m14.fr.3", "frq{hr!<o\351!Pvj'lerq{h~XlhZXN\"l*pulhAXN!%qlh\253h1h\273hr!<\253<(<\273<_\\qN"},
    {"m14.en.1",
     "<[9!;h{yrhKu@e<)<!%h}M<!;u\\hZf9&KhPhZujf!oxy%Xlu<_<4PfNu<'\\h{yrh;u6_^X\\h%<<4PfNulh%"},
    {"m14.en.2", "<4PfNu<]%=<u\\!rorO!_?yrh~_j=rh4hroPere<"},
    {"m14.en.3", "qHX<_\\O<orO%h@XNo<$%4re!N?yrhyDyhPqHhy(yhA={!%qlh"},
    {"m15.fr.1", "OrhP4r&<=\\u<4Pfr=BhHu<I<\340<V!9|uY\"j'leri<&;_0=rh{o9_\\,ju<4"},
    {"m15.fr.2",
     "X9q<qrh XB!rq{hd_Y_9e<fPhY\352Yu<4Pfr=Bh5ZFuNJ<!B'Pq^fre<RN'<erh{XN&;u\\!<\"Po<=\\h"},
    {"m15.fr.3", "qZhNqrhtX9e<&;_0=rh~_juNo!%ZyPRNu<yrJP,%qrhZX\\!9u\\!<O"},
    {"m15.en.1", ">'{y<_<4PfNu<<BXYh[h{X<V!h/'jf<u~uB]<uY\"{]<!B'Pq^fr"},
    {"m15.en.2", "\\uBh\\u~uBh;XjO<!;u<eP$rh~_j=rM?[%h{o9_\\,julh{yP!<e;_Bu<_<&%o"},
    {"m15.en.3", "He<uP&;h~_j=rh%qZu!flX<u~uB]<yrJP,%q<y%"},
    {"m16.fr.1", "Ns>hP=<q94r_Nh_=K4<#n_lero<fPh^o9fju<q\260i"},
    {"m16.fr.2", "!{u<,B'jfrhluBX\\!<ut<P&\351e<u{hlX\\h{uY\"lhBu~'rqHoPh\340h_\351BX!rLXlhl_"
                 "9e9ulM<4%e<q%!re<u{hj.;'l!%o9RNu<O$_\\qNfP!9X\\hHu<&"},
    {"m16.en.1", "hP!<fr4rf<iNs~#nfP]<,B'Hh'iNs>"},
    {"m16.en.2", "h^o9O<[9fjhAu<uB_luHhPqHh9!lh{'Yu<er!<vP&Kh{X<iro%*7XNo<u\\!B'reoh "
                 "u\\&9f<$PoKe<_\\O<=\\O%h;'l!%o@h9q<!;'l"},
    {"m17.fr.1",
     "'ro<\253<iNs~h\273h\\.Ph _lh =<\352{orh\351&B'{*p.rqBu^'l!BuYu\\!<_<\351Zy%=\351h5hju<<9&;"},
    {"m17.fr.2", "~_\\!<ul!<&%qluB4\351h{ujh0=rf!_pu<<9&;'ro<u\\or,9e{o\351hP= _B"},
    {"m17.en.1", "<9frhyiNs~z<&%=jO<q%!<vrh>o9!{u\\*?yrh^_Yu<&%=jO<q%!<vrhl_~uHa<!;u<"},
    {"m17.en.2", "rh9e<sr\"{hPe<'{h>_l*?yrht'ju<eP4rO<vr<%o"},
    {"m18.fr.1", "%el'ro<_~uZhju<<9&;'ro<\253<iNs~h\273*L/V/|T<ul!<O\3513\340h%=~uB!<OPqlhZu<O"},
    {"m18.fr.2",
     "Bhjulh _B!9ulhHu<f$_N!Bu<a<or4rqri<\340<fPhtu\\\352{orhH\351d\340<XN4ro{u!uxu{!rhZX "
     "'rhlu<<roYu<ePqlhB'rq<u\\or,9e{orooh XNo<qrh _lhr<t_Z"},
    {"m18.en.1", "'lhtXjOro<[9!;h{yrht'ju<z_=K4y*L/V/|T<'lhPfBuPO@hB=\\q9q^h9q<!;"},
    {"m18.en.2", "<!;u<X{yro<X\\u$e<,P$re5h^X<vP&Kh{X<!;u<[9qHX>hPfBuPO@h%\"rq!u?y9e<&%\"@hZf%ere<["
                 "9!;XN!<eP49q^hPq@!;'\\,ohlX<_lh\\X{h{X<uB_l"},
    {"m19.fr.1",
     "f<qrh uN!<\"Pe<\352{orhj=<u\\hrq{'ro!9pu<<9&;'ro<\253<iNs~h\273hre{hPv\356$\351h5h"},
    {"m19.fr.2",
     "RN.9f<_<\"Nhrq<f9orM<u{hlulhB\351^fP,re<\"Po<O\351<P={h "
     "XNo<frhBul!r*)f<ul!<,PoH\351<OrhZ\364{\351<e%=lhju<q%$<\253<iNs>h\273*<rrhduNhBu orqHhZu<"},
    {"m19.en.1", "5h9!<&Pq\\X{hAu<or_Hh>y%fr*?yrht'ju<z_=K4yh9e<OP$P,rO"},
    {"m19.en.2", "XNfHhBuPO<Xth9!ohPqHh9!lhHut_Nf{hlu{!9q^e<<%o<!;u<ore{*)!<'lhKu "
                 "!<_l'Hu<_lhyiNs>z!h?yrh^_Yu<!Psre<= h>yP!<'{hZ"},
    {"m20.fr.1",
     "{orhj=<u\\hrq{'roohr!<'jh\\.Ph _lh "
     "=<\352{orhBu\\XY$\351*pu<<9&;'ro<\253<iNs~h\273hre{hPv\356$\351h5h9f<qrh uN!<\"Pe<\352"},
    {"m20.fr.2", "~_\\!<O$u\\or,9e{oro<e9h~XNe<4%=ju_hju<,PoHuBh5h\253hah\273hju<or$ "
                 "fP&roP*pu<3r=<or\"Bu\\O<&rh0=$'jhPh =<u\\hj'Bu!hxX 'ri<&rht'Zy9uBhP'jfr=Be<_"},
    {"m20.en.1",
     "or_Hh>y%frM<_\\O<'{hZXNfHh\\X{hAu<orqP$rO!<?yrht'ju<z_=K4yh9e<OP$P,rO5h9!<&Pq\\X{hAu"},
    {"m20.en.2", ";uBu<vr<%orhl_~'\\,<'th@XNh>_\\!<!%hKur\"<'{a<zaz<[9fjhBu "
                 "fP&rh9!![?yrh^_Yu<!Psre<= h>yP!<'{hZXNfHhBuPO<Xth9!!hxX ]<!;_{ht'ju<ujer"},
    {"m21.fr.1", "_B!9ulh5h_=K4/'Zy9uBhHulh "},
    {"m21.en.1", "ht'ju5h_=K4a_~uHh^_Yul"},
    {"m22.fr.1", "u\\or,9e{oro<#2=9!{uBhl_\\e<"},
    {"m22.fr.2", "Or\"N'lhju<Oro\\'ro<u\\or,9e{or$rq{hre{h "
                 "uBON*V=9h5hju<3r=<erhtuB$rhr!<&rh0=9hPh\351!\351hdXN\351<"},
    {"m22.fr.3", "u_hH_\\e<frhduN*bX\\h5h~XNe<ore{"},
    {"m22.en.1", "N!<eP49q^#2=9!<[9!;X"},
    {"m22.en.2", "fP]rO<e9qZu<!;u<fPe{hl_~u<'lhjXl!! 7ula<!;u<,P$rhZf%ere<_\\O<[;_{h>_lh"},
    {"m22.en.3", "'\\h{yrh^_Yu!<bX5h@XNhl!P]"},
    {"m26.fr.1", "a<iNs~hl=Bh_=K[x_lulhBuY\"j're<"},
    {"m26.en.1", "h_=K4<Xth_=K[xujflht'jfrO5"},
    {"m27.fr.1", "{!rh^o9fju<a<iNs~u?uY\"lh _le\351hl=BhZ"},
    {"m27.en.1", "y9e<,B'Ha<iNs~{?'Yu<e u\\!<X\\h"},
    {"m28.fr.1", "Pq{uoh8q\\=juBh5hBu{XNo<_NhduN*n_^u<iNs~-_=K[!hVH<a<\"P,rhl=94"},
    {"m28.en.1", "rM<cPqZuja<vP&Kh{X<!;u<,P$r*n_^u<iNs~-_=K[!hVH5h\\u6!<\"P,"},
    {"m29.fr.1", "<a<or!%=BhP=<3r=!Hn_^u<iNs~-_=K[!hV"},
    {"m29.en.1", "hA_Zs<!%h{yrh^_Yu!5n_^u<iNs~-_=K[!hVH"},
    {"touche.8.fr", "fRlx!B"},
    {"touche.8.en", "fRlx!B"},
    {"touche.9.fr", "fRBx!B"},
    {"touche.9.en", "fRBx!B"},
    {"touche.10.fr", "R"},
    {"touche.10.en", "R"},
    {"touche.20.fr", "e"},
    {"touche.20.en", "e"},
    {"touche.12.fr", ")"},
    {"touche.12.en", ")"},
    {"touche.13.fr", "{XNo<_Bo9\350Bu4M<jN\" ooh|u"},
    {"touche.13.en", "<kP&Ke _Zu4M<`rfr!rM"},
    {"touche.21.fr", "#"},
    {"touche.21.en", "#"},
    {"touche.23.fr", "I/"},
    {"touche.23.en", "I/"},
    {"touche.26.fr", "/"},
    {"touche.26.en", "/"},
    {"touche.28.fr", "n"},
    {"touche.28.en", "n"},
    {"touche.29.fr", "a"},
    {"touche.29.en", "a"},
    {"touche.34.fr", "E/"},
    {"touche.34.en", "E/"},
    {"touche.31.fr", "p/"},
    {"touche.31.en", "p/"},
    {"touche.33.fr", "S/"},
    {"touche.33.en", "S/"},
    {"touche.32.fr", "b/"},
    {"touche.32.en", "b/"},
    {"touche.30.fr", "V/"},
    {"touche.30.en", "V/"},
    {"touche.36.fr", "p"},
    {"touche.36.en", "p"},
    {"touche.37.fr", "P3R^bM<t"},
    {"touche.37.en", "'t!R^bM<j;"},
    {"menu.fr",
     "Pq{u\012c{ojFTM<c{ojF7h5hH\351t_9orM<or<P'Bu\012Foheh5hP,B_\\O9oohH'Y'\\=ro\012:Jh\340h/"
     "V<a<,B'jfre<wBI<\340<wBb\012^ohS_dFbh5h\\'~uP=<eN'~_\\!oh "
     "o\351&\351Orq{\012/"
     "h5hBu~u\\'BhP=6h~_juNolht'6ul\012ah5hrqBu^'l!BuB\012)h5h9qtXB$P!9X\\e\012:[h5hB\350^frhH=<3r="
     "\012r<a<fPq^=rhq:|-M^X\012nh5h "
     "_Ner\012#h5h0=9!{uB\012Su\\=ohS_dF/"
     "I4M<&j'ZhHo%'{hl=Bhj_<&%f%q\\u<a<frhYu\\=<Ore<&%$Y_\\Ore\012\012V\"{'%qlh54?XN&;ulhHu<%e;"
     "eK8\012\012:j\350Zyre<a<frhZ=Ber=Bhl=BhjulhZ_lulhq=\\hZf9&<frhZ_ZyrQ\012I<\340<V<a<&;X9e9o<"
     "fPh~_juNo<?<_~uZhju<&NoluNoohj_<\"%ero<OPqlhl_<&Per\012Me "
     "_ZuohMq{o\351u<a<\"%ero<fPh~_juNo<&%=B_\\!rhH_\\e<fPhZ_lu<ONhZ=Ber=B\0124M<jN\" "
     "ooh|u{XNo<_Bo9\350Bu<a<ut<P&ro<fPhZ_lu<ONhZ=Ber=B\012S_dF[h\340h}h5h\\X{u<_NhZoP]%q<OPqlhj_<&"
     "PerhH=<&NoluNo\012YPv<a<4Pfr=Bhl=9"},
    {"menu.en",
     "u6!<4PfNu\012c{ojFTM<c{ojF7a<=\\O%M<orO%\012RM</5hA'^,roohl$PfjuB\012/E<!%h/"
     "V5h^o9Olh*o[h{X<wBb\012^ohay9<{Fba<fr4rf<= "
     "M<O%[\\\012/a<or!No\\h{X<<9JrO<qN$AuBe\012j5hl_~u\012A5h9qtXB$P!9X\\\012/"
     "I5h^_Yu<oNfre\012r5hj_\\,N_^u<8/K=UbQ\01295h "
     "_Ner\012#a<u6'{\012Su\\=ohay9<{F/"
     "I4M<o9,;!<&j'Zs<X\\h{yrhZXj=Yq5h{yrhYu\\=<XthZXY$PqHe\012\012V\"{'%qlaL/V/"
     "|T<sr]l\012\012TBo%[la<!;u<&NolXBh%4ro<!;u<&rfje<8PhZf9&Kh;'Hulh9!X\012[h{X<V5hZy%Xlu<!;u<"
     "4PfNuzh>'{y<!;u<&NolXBM<u\\!ro<'{h9q<'{e<&rfj\012a\"P&rM<Kr!No\\a<u\\!ro<!;u<&NoBu\\!<4PfNu<'"
     "\\h{yrhZ=Be%o$e<&rfj\0124M<`rfr!rM<kP&Ke _Zu5hroPerh{yrhZ=Be%o$e<&rfj\012ay9<{F[h{X<V5h "
     "u\\&9f<$PoKh9q<!;u<&NolXB.lhZujf\012YPv5h\\"},
    {"option.surl.fr", "uNo<&%=B_\\!rhl=Bf9,\\\351re-h5hjulhZ_lulhHu<fPh~_j"},
    {"option.surl.en", "$e<&rfje<y9,;f9,;!rO-a<!;u<&NoBu\\!<4PfNu"},
    {"option.cpt.fr", "o9e\351u<OPqlhj.;u6_^X\\u<Ore<4Pfr=Bexh5hNqrh~_juNo<ePqlh fP&rhj'Aorh^"},
    {"option.cpt.en", "^or]rO<'\\h{yrh;u6_^X\\h%<<4PfNulhxa<_<4PfNu<[9!;XN!<_<<Burh fP&r"},
    {"option.net.fr", "Ore<q%!re<Ore<&Pere<4%'l'\\ul<8h5hNqrh~_juNo<\"%e\351u<or!9o\351u"},
    {"option.net.en", "%$<!;u<\"rqZ'jhY_BslhPo%=\\O<'{o8a<_\\hrq{uBuHh~_j=rhBuYX~uHht"},
    {"option.liste.fr", "_<&%f%q\\u<a<!%={ulhjulh{XN&;ul\205Su\\=ohS_dF/I4M<&j'ZhHo%'{hl=Bhj"},
    {"option.liste.en", "X\\h{yrhZXj=Yq5hPfjh{yrhKu@e\205<Su\\=ohay9<{F/I4M<o9,;!<&j'Zs"},
    {"option.oui.fr", "9=%"},
    {"option.oui.en", "q%"},
    {"option.non.fr", "\\X\\"},
    {"option.non.en", "t<%"},
    {"aide.et.fr", "!r"},
    {"aide.et.en", "HqP"},
    {"aide.seul.fr", "X9q<iNs~h5hluNf<iNs>h@h~_!Zxu<!B'Pq^frh{XN&;u<\"Po<=\\h"},
    {"aide.seul.en", "Bh>'{y<iNs~a<X\\f@h_=K[<<9!l*?y9e<!B'Pq^frhlyPore<_<&%o\\u"},
    {"aide.cache.fr", "<4Ph0=rhH_\\e<&rh{o9_\\,ju!uF_\\e<&r!<yrJP,%qrM<iNs~h\\"},
    {"aide.cache.en", "e<X\\f@h9q<!;'lh{o9_\\,ju!{)q<!;'lh;u6_^X\\M<iNs~ht'"},
    {"aide.temoins.fr", "hP={ore<!B'Pq^fre<Orhj.;u6_^X\\u!lpulh_=K4<eNoj'^q\351e<f$\351Z_B!rq{hHu"},
    {"aide.temoins.en", "Yh{yrh;u6_^X\\.lh%!;uBh{o9_\\,jul*?yrh;'^yj'^y{uHh_=K4<sru h9!<<BX"},
    {"aide.puis.seul.fr", "<OPqlhZu<!B'Pq^fr*8f%olhluNf<iNs~h~_"},
    {"aide.puis.seul.en", "h9q<!;'lh{o9_\\,ju!l?yrq<X\\f@h_=K4<<9!"},
    {"aide.puis.cache.fr", "=K4<qrh~_<RNu<OPqlhZu<!B'Pq^fr*8f%olM<OPqlhj.;u6_^X\\u<XYvB\351oh_"},
    {"aide.puis.cache.en", "s~ht'{e<X\\f@h9q<!;'lh{o9_\\,ju!N?yrqoh9q<!;u<e;_HuHh;u6_^X\\M<i"},
    {"aide.intersection.fr", "{XN&;u\\!<!%=lhNq<$\352$rhZX9q<a<_N&Nq<_N!Bu<!B'Pq^frhHu<&rhZX9q<qrh "
                             "uN!<!rq9o<iNs~*F_\\e<f$yrJP,%qrh%$Ao\351M<iNs~h\\u<\"r={hPfjuBh0=rhH_"
                             "\\e<fre<!B'Pq^fre<eNoj'^q\351eoh0=9h"},
    {"aide.intersection.en",
     "&;hPfjh{XN&;h%qrhZXBqro5h\\X<X{yro<!B'Pq^frhP!<!;_{hZXBqro<&Pq<y%fHh_=K4!9)q<!;u<e;_HuHh;u6_^"
     "X\\M<iNs~hZ_\\h%qj]<,%h9q<!;u<y9,;f9,;!rO<!B'Pq^freoh>y"},
    {"aide.ensemble.fr",
     "=K4<\340<uNJ<!%=lh5hP=Z=\\hP={orh{o9_\\,ju<OrhZu<&%'\\h\\u<!9u\\!<&re<4Pfr=Be!_pulh{o9_\\,"
     "julhl=Bf9,\\\351lh{XN&;u\\!<=\\hY\352Yu<&%'\\hr!<qrh uN4rq{h{u\\'Bh0=rh"},
    {"aide.ensemble.en", "Au{[ru\\h{yr$5h\\X<X{yro<!B'Pq^frhP!<!;_{hZXBqro<y%fHe<!;ulu<4PfNul*?yrh;"
                         "'^yj'^y{uHh{o9_\\,julh{XN&;h%qrhZXBqro<_\\O<&Pq<X\\f@h;XjO<iNs~h"},
    {"aide.cachees.fr",
     "Pq^fre<eNoj'^q\351e<a<&r=6/"
     "Z'<qrh{'rq\\u\\!<o9u\\hH.P={or*F_\\e<f$yrJP,%qrh%$Ao\351M<iNs~h\\u<4%q{h0=rhH_\\e<fre<!B'"},
    {"aide.cachees.en", "^yj'^y{uHh{o9_\\,jula<!;ulu<y%fHh\\X{y9q^hrflu!')q<!;u<e;_HuHh;u6_^X\\M<"
                        "iNs~ht'{h%qj]<'\\h{yrh;"},
    {"aide.absurde.vide.fr",
     "hl=Bf9,\\\351<q$_NoP'{h "
     "fNe<_N&Nqrh~_juNo<\"%el'Afr*a'<frh{o9_\\,ju<u\\&POB\351<!rqP'{h_=K4ohju<!B'Pq^fr"},
    {"aide.absurde.vide.en",
     "j'^y{uHh{o9_\\,ju<[%=jO<yP4rh\\X<4PfNu<fr<{*)<<!;u<<B_YuHh{o9_\\,ju<yrfHh_=K4oh{yrh;'^y"},
    {"aide.absurde.place.fr", "X\\u<XYvB\351<q$_NoP'{h fNe<Orh fP&rh "
                              "XNo<iNs>*a'<frh{o9_\\,ju<u\\&POB\351<!rqP'{h_=K4ohj.;u6_^"},
    {"aide.absurde.place.en",
     "<yrJP,%q<[%=jO<yP4rh\\X<\"j_Zu<fr<{htXBh_=K[!O)<<!;u<<B_YuHh{o9_\\,ju<yrfHh_=K4oh{yrhlyPOr"},
    {"aide.donc.fr", "%qZh_=K4!O)f<!9u\\!<"},
    {"aide.donc.en", "Olh_=K4!jaX<'{h;X"},
    {"aide.rien.fr", "Hu<4Pfr=Bhl=94Pq{u<\340<\"Po{'BhH.9&9*8=Z=\\u<!r&;q9RNu<ONhduNh\\u<!BXN4rh"},
    {"aide.rien.en", "\\OlhPh\\u6!<4PfNu<<BXYh;uBu!'bX<!r&;q9RNu<Xth{y9e<,P$rht"},
    {"aide.poser.fr", "XluBhj_<4Pfr=B*-h\340h\\XN4r_Nh5h "},
    {"aide.poser.en", "o<!;u<4PfNu!r-hP,P'\\a<u\\!"},
    {"aide.faux1.fr",
     "<e%fN!9X\\*<P<\340<q%=~uP=<a<fPhYX\\!BuB*DqrhHu<4%e<4Pfr=Be<qrh~_<\"Pe<_~uZhj_"},
    {"aide.faux1.en", "y<!;u<e%fN!9X\\*<P<_^_9q5hly%[<'{*Vqrh%<<]%=Bhrq{o9ulhHXre<q%!<$P!Z"},
    {"aide.faux.fr",
     "PhlXj={'%q!h-h\340h\\XN4r_Nh5hjulhYX\\!BuB*_=K4<Orh~Xlh~_juNolh\\u<4%q{h _lhP4r&<f"},
    {"aide.faux.en", "{yrhlXj={'%q!h-hP,P'\\a<e;X>h{yr$!h_=K4<Xth@XNo<u\\!B're<O%h\\X{hY_{&;"},
    {"aide.verif.ok.fr", "q{hP4r&<fPhlXj={'%q!%?XN!re<4%e<4Pfr=Be<4"},
    {"aide.verif.ok.en", "P!Zy<!;u<e%fN!9X\\*8fjh@XNo<u\\!B're<$"},
    {"aide.verif.faux.fr",
     "~X\\!<\"Pe<_~uZhj_<e%fN!9X\\h5h_=K4!hpulh~_juNolhrqZ_Ho\351ulhrq<o%=^u<qr"},
    {"aide.verif.faux.en", "q%!<$P!Zy<!;u<e%fN!9X\\a<iNs~*?yrhrq{o9ulhtoP$rO<'\\hBuHhHX<"},
    {"aide.menu.indice.fr", "uP=<a<\"%ero<ePh~_juNoX~-h5hNq<'\\O9&rhqP<\340<q%="},
    {"aide.menu.indice.en", "5hrq{uBh9!lh~_j=rQ-a<_<y9q{hqP<_^_9q"},
    {"aide.menu.verif.fr", "<4Pfr=Be<\"%e\351uleEh5h~\351B't'ro<fr"},
    {"aide.menu.verif.en", ";u<u\\!B'reEa<&;uZs<!"},
    {"aide.menu.notes.fr", "h Xle9vjulhHu<&;_0=rhZ_lu<49OrlSh5h\\X{uBhP=<&B_@X\\hjulh~_juNo"},
    {"aide.menu.notes.en", "<&rfj.lh Xle9vju<4PfNul]Sa<\"rqZ'jh9q<u~uB]<uY\"{"},
};

const short nbtextesdonnees = 202;
