// The built-in grid catalogue, every text scrambled. Written by the catalogue
// tool (voracat build tools/voracat/catalogue.txt); not edited by hand.
#include "lattice/catalogue/grillesdonnees.h"

namespace {

const char* const textes1[] = {
    "o0x`o0FM#`JM#`MM#Uo0MEo0M:o0/M#:JE#M#To08Eo08ko08:o0QM#kJM#kxM#co0x",
    " aHo`] ?Ho`M nHo`MELKEMM:J DHo:J%|HsIJ)oTJ%?HokJ%aHoc(9EMxE(dEMF ?Ho`J",
    "ULdEosI4)",
    "KEM/%?Hs2GMxEL",
    "EL\\EFs24M",
    "okx ?Hoc]%nHoUJ ?HoU/ aHo:J 2HsnGM(dEM8%aHok(KEMQE(dEMQEx%nH",
};

const char* const textes2[] = {
    "QEo08pQM#T]kJM#TJko08EQEo08ko08kJM#ko0QE#M#To08Eo08po08So08bo08bQM#TGkJM#Tiko08S",
    "HoT]k]%nHoTQ 2HoT/ DHokJcLYEMQc(dEMx aHsIJ)oT]%aHoTGk(jEM8SQE(KEM8SQpL\\EM8pQ%2",
    "9EMM DHsIJ)o`(",
    "Jk]%|HsI4)oT",
    "kLKE8s2GM",
    "Q%DHs24M",
    "aHoTQE(KEM8kJ%?HokJ DHokJ%aHo:(9E snGM8b(dEM8bL\\EM8bQ%nHoTik(\\EM8EQ",
};

const char* const textes3[] = {
    "/Eo0QM#kJM#k]M#kJco0Qco0QcJM#co0xEo0xp#M#To08Eo08po08EQM#TJ:o08ko08kJM#T/M#T",
    "Eo0MM#UJM#U]M#UJ:o0M:o0M:JM#:o0/Eo0/p#cJ`o0x`o0x`JM#`o0FEo0Fpo0FEMM#`MM#`M",
    "LKEMxELjEMxSLYEMFpL9EMFpM%2HoUi nHoU/%?HsIJ)oTJkLjEM8kJ ?HoT/%?HokJ%DHok] 2Hokxp",
    "EM/p(dEKsIJ)o:L",
    "JcL9EksI4)o",
    "pLKEQs|GM",
    "EMME/%2Hs2GMx`L\\",
    "E(YEMxEF%|Hs24M8%2Hokx",
    "EMQ%aHokx%?Hoc] aHoc]%nHocJ`(dEMFp(YEjsnGM(\\EM8E(\\EM8p(YEM8E/%DHoT/ aHoT/EL",
    ":(dEMM:J aHo:J DHo:J%nHsnGMFS(dEMFUJ%DHoU(jEMM",
};

const char* const textes4[] = {
    "|8M#ThTJM#ThT]M#ThTiM#ThTGM#ThT}M#ThTg8#M#To08Eo08po08So08bo08Vo08no082o08|o0",
    "o08|8pQM#ThTJko08|8ko08|QM#T+ko08nQM#T}k#ThT+M#ThT+ko08|8nQM#ThT}ko08|8bQM#ThTik",
    "ko08EQM#TQM#k#TGko08SQM#T]",
    "8E(\\EM8|8pLjEM8|8bL\\EM8|8V(KEM8|8n(9E|sIJ)oT]%nHoTi%?HoT}%?HoTh 2HoThT(9EM8",
    "oThTikJ%aHoThT/ |HoT+:(YEM8nQ |HoTg:(9EHsIJ)oThT+%2HoThT+kL9EM8|8n/ aHoThTGkJ%2",
    "jEMQ DHokJ%|Hoc(dEMF%aHoU(9E(sIJ)oT}k(jEM8bQ%DHoTJ:(KEM8:",
    "TJkL9EhsI4)oT",
    "QELYE2s2GM8",
    "J%DHoTGkJ%?HoTQ%2HocLKEks24M8|8S(9EM8|8b/ ?HoT}",
    "ThTikLKEM8|8S/ aHoThT]k(jEM8|8pQELdEosnGM(YEMLdEM8 nHoTJ DHoTi |HoThT}%aH",
    "HoTGk(dEM8S/ DHoT]k(9EMQ%aHo:(\\E2snGM8|8EQ 2HoThk(\\EM8|Q%|HoTgkJ%",
};

const char* const textes5[] = {
    "]M#cJ`o0x`JM#`]M#`JUo0FUJM#U]M#UJ:o0M:Jc#T]M#TJko08E/M#TQEo08:JM#k]M#kJco0QcJM#",
    "]:#",
    "8:LdEMQE(9EMQELdEMQEx 2HokJcLYEMQc(jEMsIJ)oT]%2HoTJkL\\EM8E/ |HoTJ:L\\EM8k(YE",
    "J`J%DHocFEL9EMFpL\\EMFSLYEMFEM%|Ho`JUJ%2HsIJ)okxE(9EMxp(KEMxSLYEMxEF nHocJ`J 2Hoc",
    "J:J DHoU/ELjEMM:] 2Ho:J%?HsIJ)o`MpL9EMMpLdEMME/%nHoU",
    "`] |HsI4)o",
    "p(jEQs2GM",
    "EMFU] DHs24M8p(Y",
    " nHo`MELjEMMEL\\EMMS(YEMMp/ aHoU/%2HsnGM8:J%|HocJ`LKEMx`]%2Ho`]U(jEMFUJ",
};

const char* const textes6[] = {
    "o0FM#Uo0/c#M#To0QM#",
    "EMFE(\\EMME(dEMM:(\\EM/ |HsIJ)ok(YEMQ%2Hoc(9EMxEL\\",
    "cF |HsI4)o",
    "M ?Hs24M",
    "ocF%?Ho`J%aHsnGM(\\EM8 aH",
};

const char* const textes7[] = {
    "#cFM#`JM#`MM#UJM#U/M#:JM#TJM#TQM#T/M#kJM#kxM#cJ",
    "xpLjEMxEF%nHo`JU(dEMFEM%DHo`M%aHo`MELYEMsIJ)oTQ |HoT/ DHokLYEMQELjEMQc(YEMxELdE",
    "M:LjEMM:J 2Ho:LKEMsIJ)oUJ |HoUJ:(YE",
    "JcLdEksI4)o",
    "M%DHs2GM",
    "kLdE8s24M",
    "L9EMFU(YEMFUJ nHo:(dEpsnGM8%aHoTJ%|Hoc(jEMF",
};

const char* const textes8[] = {
    "TQM#TQEo0QM#kJM#k]##M#To08Eo08po08EQM",
    "kJc(KEMQEx%?Hoc(dEMF DHo:(KEosIJ)oT]%nHoTQE(\\EM8:(jEMQ aH",
    "T] ?HsI4)o",
    "E(9EQs2GM",
    "8 ?Hs24M",
    "Hok]%aHokx DHo`LKE2snGM(9EM8kJ%?Hok] ",
};

const char* const textes9[] = {
    "o0FM#`JM#Uo0MEo0/M#:JE#M#To08Eo0QM#kJM#co0x",
    "oc]%?HocJ`L\\EMFEL9EMFpL\\EMMp(jEM/ELKEHsIJ)o%?HoTJ DHoTQ%aHok(\\EMQE(YEMQEx%2",
    "U(KEosI4)",
    "E(YE/s2GM",
    "8 |Hs24M",
    "M aHo`M%DHoU/ 2Ho:(\\EM/%aHsnGM(jEMx ?Ho`LdEMFEM |Ho`",
};

const char* const textes10[] = {
    "QM#TJkJM#TJk]M#TQM#TQEo08k]M#TQSo0QM#kJE#M#To08Eo08po08So08bo08SQM#T]ko08pQEo08",
    "iM#kGk#k]M#",
    "HoT/ DHokJ%aHoki 2HokG nHokGcLYEMQcLKE?sIJ)o%|HoTi%?HoTG%aHoTikL\\EM8k(dEM8k] ",
    "`LjEosIJ)",
    "T(YEosI4)",
    "pLjE8s|GM",
    "kJ |Hs|4M8",
    "SL\\EQs24M",
    "TQELYEM8k]%2HoTQSL9EMQEx%2Ho`(9EMM DHsnGM(dEM8S(9EM8p/ DHoTJkJ DHoTJk]%|Ho",
};

} // namespace

const grilledonnee grillesdonnees[] = {
    {"|eV[n4", 4, textes1, 6},  {"2eI[|]", 5, textes2, 7},  {"eIgp[24", 6, textes3, 10},
    {"pe|[24", 6, textes4, 11}, {"eE+S[|[", 6, textes5, 9}, {"IeI[EG", 2, textes6, 5},
    {"IeE[EG", 3, textes7, 7},  {"Iep[EG", 4, textes8, 6},  {"eVGE[EJ", 5, textes9, 6},
    {"|eI[E]", 6, textes10, 9},
};

const short nbgrillesdonnees = 10;
const char* const nomsjouablescryptes = "eVoIhp+/[M[24peIg|[EGIeIoIJb[/JM[n4";
const char* const nomdepartcrypte = "IeI[EG";
