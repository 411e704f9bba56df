// The built-in grid catalogue, every text scrambled. Written by the catalogue
// tool (voracat build tools/voracat/catalogue.txt); not edited by hand.
#include "lattice/catalogue/grillesdonnees.h"

namespace {

const char* const textes1[] = {
    "o0x`o0FM#`JM#`MM#Uo0MEo0M:o0/M#:JE#M#To08Eo08ko08:o0QM#kJM#kxM#co0x",
    "2HocJ`(\\EMFELdEMFpLKEMMp(9EMM:J DHsIJ)o%aHoTLdEM8E(YEMQE(YEMx aHocJ ",
    "U/ nHsI4)o",
    "E/ ?Hs|GMM",
    "ULKEFs|4M",
    "EL\\EMs24M",
    "HocF nHo`LYEMFE(jEMFUJ ?HoUJ aHsnGM8ELKEM8kLjEMQ%?HocJ%?Hoc]%a",
};

const char* const textes2[] = {
    "QEo08pQM#T]kJM#TJko08EQEo08ko08kJM#ko0QE#M#To08Eo08po08So08bo08bQM#TGkJM#Tiko08S",
    "QEL\\EM8S/ |HoTQ |HokJ%nHokx DHo`(dEMF%nHsIJ)oT]%aHoTi%DHoTG aHoTGkJ |HoTik(KEM8S",
    "o%aHsI4)",
    "p/ nHs|GM8",
    "QpLdEEs|4M8",
    "pLjEMQcLdEQs24M8S(dEM",
    "LYEM8EQ aHoTJkJ |HoTJ:(YEMx%|HsnGM8%|HoTJ nHoT] |HoTG%?HoT]k",
};

const char* const textes3[] = {
    "/Eo0QM#kJM#k]M#kJco0Qco0QcJM#co0xEo0xp#M#To08Eo08po08EQM#TJ:o08ko08kJM#T/M#T",
    "Eo0MM#UJM#U]M#UJ:o0M:o0M:JM#:o0/Eo0/p#cJ`o0x`o0x`JM#`o0FEo0Fpo0FEMM#`MM#`M",
    "SL\\EMx`]%?Ho`J ?Ho`]U(jEMFpM%DHo`ME(9ExsIJ)oTJ:(jEM8:J nHok] 2HokJc(jEMxp(dEM",
    "/ELdEM/pLjEUsIJ)oU/%?Ho",
    "TJ |HsI4)o",
    "E/%aHs|GMM",
    "M%|Hs|4M",
    "EQ%?Hs2GM8",
    "Ho`M%2Hs24MQ%2",
    "dEM8:LKEMQ ?Hok]%?Hokx 2HokxELKEMFp(dE(snGM8 nHoTJ%DHoTJ:LYEM8kJ aHoTQELdEM8:",
    "MMS(jEM/E(jEM/EL\\EM/p(YEEsnGMFEME(dEMFEMELjEMMpLd",
};

const char* const textes4[] = {
    "|8M#ThTJM#ThT]M#ThTiM#ThTGM#ThT}M#ThTg8#M#To08Eo08po08So08bo08Vo08no082o08|o0",
    "o08|8pQM#ThTJko08|8ko08|QM#T+ko08nQM#T}k#ThT+M#ThT+ko08|8nQM#ThT}ko08|8bQM#ThTik",
    "ko08EQM#TQM#k#TGko08SQM#T]",
    "i 2HoThT+ aHoThT+%?HoThT+kLKEM8|8VQ DHsIJ)o%|HoT]%aHoTG%DHoTg DHoThTJ%aHoThT",
    "S/ ?HoThT]:(\\EM8|8kL9EM8|Q DHoThkJ%?HsIJ)oThT}kJ%2HoThTGkLYEM8|8bQEL9EM8|8",
    "8pQELKEM8p/ DHok(dEMF ?HoU(jEM/ DHsIJ)oTgk(9EM8VQ aHoT}kJ%2HoT]k(jEM",
    "]kLYETsI4)o",
    "8pLKE|s|GM8",
    "bQ 2Hs|4M8",
    "8EQELdEM8:(KE|s2GM8|8p(9EM8",
    "EM82Q ?Hs24M8E(Y",
    "M8|8nQEL\\EM8|8n/ 2HoThT}kLjEM8|8pQ |HsnGM8%2HoT} nHoTg%2HoThTg%DHoThTgkL9E",
    "LKEM8EQEL\\EM8E/ 2HoTQ DHokx%aHoc(KEksnGM8bQEL\\EM8SQ DHoTikL9EM8EQ 2HoTJ",
};

const char* const textes5[] = {
    "]M#cJ`o0x`JM#`]M#`JUo0FUJM#U]M#UJ:o0M:Jc#T]M#TJko08E/M#TQEo08:JM#k]M#kJco0QcJM#",
    "]:#",
    "J ?Hok]%DHokJcLjEMQc(dEMQcJ%DHokxpL9EksIJ)oTJ |HoTJ:(dEM8k(jEM8:(YEM8:J |Ho",
    "o`] DHo`i |Ho`i%aHo`]U(YEMFpM%nHo`JULKEHsIJ)oci%?HocJ`(\\EMxEF%2HocJ`J |HocJ`J%a",
    "ME/ 2HoU/E(KEMM:] nHo:J DHo:] 2HsIJ)o`ME(YEMFUJ%aHoUJ%DHoU]:(jEM",
    "T] aHsI4)o",
    "EQ ?Hs|GM8",
    "kJ 2Hs|4M8",
    "p(dExs24M",
    "?HocFE(YEMx`] 2Ho`MpL\\EMMS(dEMM:J%DHsnGM8pLYEM8E/%DHok]cLdEMQExELKEMQcJ ",
};

const char* const textes6[] = {
    "o0FM#Uo0/c#M#To0QM#",
    "|Ho`M aHoU(\\EM/ nHo:LjE sIJ)ok(\\EMx ?HocF aHo`J",
    "kLdEosI4)",
    "F nHs|GM",
    "xELdEMFELYEMsnGM(jEMLYE",
};

const char* const textes7[] = {
    "#cFM#`JM#`MM#UJM#U/M#:JM#TJM#TQM#T/M#kJM#kxM#cJ",
    "MxEF DHocF ?HocFELdEMFpLKEMFEM nHo`M ?HsIJ)oTJ%aHoTQ 2HoT/ 2Hok(KEMQcLYEMxE(jE",
    "ME/ |HoU/ 2Ho:J |HsIJ)o`ME(KEMMp(dEM",
    "TQ%?HsI4)o",
    "cJ%|Hs|GMQ",
    ":L9E8s2GM",
    "2Ho`J DHs24MQEx%",
    "(YEMFUJ%nHoUL9EM/ELYEpsnGM8 nHokJ aHoc(\\EMF",
};

const char* const textes8[] = {
    "TQM#TQEo0QM#kJM#k]##M#To08Eo08po08EQM",
    "(YEMQpx%|Hoc(jEMF%|HoU(\\EEsIJ)oT] aHoTJ:(dEM8k(9EMQ",
    "kLYEosI4)",
    ":(9E8s|GM",
    " DHoTJ ?Hs24MLjEM8",
    "9EM8kJ aHoTQELKELsnGM(9EM8ELKEM8p",
};

const char* const textes9[] = {
    "o0FM#`JM#Uo0MEo0/M#:JE#M#To08Eo0QM#kJM#co0x",
    " nHo`]%aHo`JU(9EMMp(YEM/ nHo:LdEM/ELYEFsIJ)oTJ%nHoT/ DHokJcLKEMQcL\\EMxEF |Hoc",
    "cLYEosI4)",
    "kLdE8s|GM",
    "x |Hs|4M",
    "L\\EMx`J%2Ho`M 2Ho`MEL9EMM%?HsnGM(dEMQ%aHocJ%2HocJ`LjEMx`",
};

const char* const textes10[] = {
    "QM#TJkJM#TJk]M#TQM#TQEo08k]M#TQSo0QM#kJE#M#To08Eo08po08So08bo08SQM#T]ko08pQEo08",
    "iM#kGk#k]M#",
    ":(\\EMQbL9EMQbx%?Hokic(jEMQSx%2HokJcLYEJsIJ)o ?HoTG 2HoTi:(jEM8p/ ?HoTJk]%aHoT",
    "o`(\\EMF%2HsIJ)okx%|H",
    "]kLdETsI4)o",
    "kJ%DHs|GM8",
    "k]%2Hs|4M8",
    "EQ%|Hs2GM8",
    "8k] ?HokJ%aHs24M8EQE(KEM",
    "i%DHokLdEMQb(\\EMQpx ?Hok]cL9EMx%nHsnGM8%DHoTikLYEM8pQE(dEM8EQELYEM8k",
};

} // namespace

const grilledonnee grillesdonnees[] = {
    {"|eV[n4", 4, textes1, 7},   {"2eI[|]", 5, textes2, 7},   {"eIgp[24", 6, textes3, 11},
    {"pe|[24", 6, textes4, 13},  {"eE+S[|[", 6, textes5, 10}, {"IeI[EG", 2, textes6, 5},
    {"IeE[EG", 3, textes7, 8},   {"Iep[EG", 4, textes8, 6},   {"eVGE[EJ", 5, textes9, 6},
    {"|eI[E]", 6, textes10, 10},
};

const short nbgrillesdonnees = 10;
const char* const nomsjouablescryptes = "eVoIhp+/[M[24peIg|[EGIeIoIJb[/JM[n4";
const char* const nomdepartcrypte = "IeI[EG";
