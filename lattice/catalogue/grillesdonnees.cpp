// The built-in grid catalogue, every text scrambled. Written by the catalogue
// tool (voracat build tools/voracat/catalogue.txt); not edited by hand.
#include "lattice/catalogue/grillesdonnees.h"

namespace {

const char* const textes1[] = {
    "o0x`o0FM#`JM#`MM#Uo0MEo0M:o0/M#:JE#M#To08Eo08ko08:o0QM#kJM#kxM#co0x",
    "`LYEMFpL9EMFUJ ?Ho`MELKEMM:(jEMM:J DHsIJ)oTQ 2HoT/ nHokJ aHokxEL\\EMxELdEMx",
    "kx%|HsI4)o",
    "E(jExs|GM",
    "DHoUJ 2Hs|4MxEF ",
    "ELdEFs2GM",
    ":LjE8s24M",
    "(jEMFEM |Ho`JUL\\EMM ?HoU/%|HsnGM(dEMQEx%2Hoc]%?Ho`LKEMFE",
};

const char* const textes2[] = {
    "QEo08pQM#T]kJM#TJko08EQEo08ko08kJM#ko0QE#M#To08Eo08po08So08bo08bQM#TGkJM#Tiko08S",
    "pLjEM8pQ%2HoTJkJ%?HoTQ ?HoTQELdEMQ nHsIJ)oTG%|HoTGkLdEM8bQELYEM8SQELKEM8SQ",
    "MF%DHo:(9EEsIJ)okJcLK",
    "Ti nHsI4)o",
    "QE(\\EEs|GM8",
    "(jEMs|4",
    "p(jE8s2GM",
    "c(dEQs24M",
    "J:(dEM8kJ |HokLKEMQcLYEMx DHsnGMLYEM8 2HoTJ%nHoTJk]%2HoT",
};

const char* const textes3[] = {
    "/Eo0QM#kJM#k]M#kJco0Qco0QcJM#co0xEo0xp#M#To08Eo08po08EQM#TJ:o08ko08kJM#T/M#T",
    "Eo0MM#UJM#U]M#UJ:o0M:o0M:JM#:o0/Eo0/p#cJ`o0x`o0x`JM#`o0FEo0Fpo0FEMM#`MM#`M",
    "xE(dEMxpF ?HocFp(dEMFpM nHo`ME(jEMFUJ%2HsIJ)oTJkLKEM8k(dEM8:J DHok]cLYEMQEx%DHok",
    ":J%?HoU/p(KEMsIJ)oU]:(\\EM",
    "dEMQEL9ELsI4)oTJ:",
    "Hok]%|Hs|GM8 a",
    "EMMp(9E\\s|4M8kL",
    ":(9EM/ELdEMs2GMFELYEM",
    ":J%|Hs24M8",
    "(jEMxpLjEMxEF%2HocFE(jEMx`J%nHo`(dEMF%aHsnGMLKEM8kJ DHoT/ |HoT/%nHokx ?Hokx%2Hoc",
    "`Mp(YEMM:J DHo:(\\EosnGMFpM%?Ho`JUJ%nH",
};

const char* const textes4[] = {
    "|8M#ThTJM#ThT]M#ThTiM#ThTGM#ThT}M#ThTg8#M#To08Eo08po08So08bo08Vo08no082o08|o0",
    "o08|8pQM#ThTJko08|8ko08|QM#T+ko08nQM#T}k#ThT+M#ThT+ko08|8nQM#ThT}ko08|8bQM#ThTik",
    "ko08EQM#TQM#k#TGko08SQM#T]",
    "8n(jEM8|8E(KEM8|8pLYEM8|8S(KEM8|8VL9EMsIJ)o%|HoT(\\EM8ELKEM8pL\\EM8SLYEM8bL\\E",
    "HoThTGkJ%?HoThTG:(YEM8|8pQ DHoThTJ:(dE2sIJ)oThT+%aHoThTgkJ%DHoThTg:(KEM8|8VQ ",
    "YEM8E/ nHoT/ 2HokJ%|Ho`LYEMM aHsIJ)oT+:(jEM8nQEL9EM8bQ |HoTG:(",
    "%2HoT}:(9EhsI4)o nHoT",
    "8n(\\EM8|8EQ%aHs|GM8|8b(dEM8|",
    "Thk(9EM8n/ DHs|4M8|8bQ%DHo",
    "8|8V/ 2HoThT]kLdEM8|8p/ aHoThTJk(YEMs2GM8E(YEM8p(jEM8VLKEM8|(YEM8|8SL\\E",
    "+k(jEM82QELdEM8bQ%aHoTQ aHoTQ%nHo:(YETs2GM8|8EQELKEM8|8:(YEM8|QELYEM8|/ DHo",
};

const char* const textes5[] = {
    "]M#cJ`o0x`JM#`]M#`JUo0FUJM#U]M#UJ:o0M:Jc#T]M#TJko08E/M#TQEo08:JM#k]M#kJco0QcJM#",
    "]:#",
    "ELjEM8:J DHokJc(jEMQcJ DHokxELKEMxSLYEQsIJ)oTJ%?HoTJ:LjEM8k(9EM8kL\\EM8kJ |HoT",
    "MFSLKEMFEM%nHo`ME(jEMMp(YEMMpL\\EMME/ 2HsIJ)oc]`(jEMxpF%DHocJ`J%aHocFpLdEMFp(YE",
    "U/E(YEMM:] aHsIJ)oUJ:J DHo",
    "k]%2Hoc]%nHsI4)oTJ |Ho",
    "EM/p(9Ejs|GMFpL",
    "pM DHo`]ULdEMFEMEL\\EMM:L9EM/E(jEM/pL\\EFs|4M8:(dEM8:J%?Hok]cLKEMxEFE(YEMFS(9EM",
};

const char* const textes6[] = {
    "o0FM#Uo0/c#M#To0QM#",
    "J DHo`M aHoU/ nHo:(dE`sIJ)oT(9EMxELYEMF%?Ho",
    "TL\\EosI4)",
    "LjEMs|G",
    "`LKExs|4M",
    "UL9EFs2GM",
    "Q%?Hs24M",
    "x`(jEM/%?HsnGMQcL9EM",
};

const char* const textes7[] = {
    "Eo08ko08kJM#TQpo0QM#kJM#k]M#kiQ#M#To08Eo08po08So08pQM#TJko08E",
    "x%?Hok]c(9EMQpx%DHokx DHo`(\\EMM 2Ho:(9ESsIJ)oTJ ?HoT]kL9EM8p/ ?HoTJ:(jEMQSLdEMQ",
    "kJ%?HsI4)o",
    "kJ%aHs|GM8",
    "p(KE8s|4M",
    "k(9E8s2GM",
    "k] ?Hs24M8",
    "M8k]%nHokJc(YEMx 2Ho`LjEEsnGM(YEMLKEM8EL9EM8EQELY",
};

const char* const textes8[] = {
    "TQM#TQEo0QM#kJM#k]##M#To08Eo08po08EQM",
    "ok]cLKEMQc(YEMx%DHo`L9EMM 2HsIJ)oT(KEM8pLYEM8E/ nHokJ nH",
    "Jk(jETsI4)o",
    "kL9E8s|GM",
    "(YEMs|4",
    "k(YE8s2GM",
    "F |Hs24M",
    "/ ?Hok] ?HokJc(\\ETsnGM8ELjEM8EQ%DHo",
};

const char* const textes9[] = {
    "o0FM#`JM#Uo0MEo0/M#:JE#M#To08Eo0QM#kJM#co0x",
    "o`] aHo`M%aHo`ME(\\EMFUJ%2HoU/%?HoU/E(dEHsIJ)oTJ nHokJ aHokx 2Hoc(YEMxpLKEMxEF%n",
    "`L\\EosI4)",
    "EM |Hs|GMF",
    "M%2Hs|4M",
    "EL\\Exs2GM",
    "LKEMs24",
    "Ho`]%nHoU(YEMM:(\\EM/E(KE2snGM8kLKEMx%nHocF 2Ho`J%",
};

const char* const textes10[] = {
    "QM#TJkJM#TJk]M#TQM#TQEo08k]M#TQSo0QM#kJE#M#To08Eo08po08So08bo08SQM#T]ko08pQEo08",
    "iM#kGk#k]M#",
    "nHok]%?HokG ?Hokic(\\EMQc(\\EMF%2HoU(jE sIJ)oTi 2HoTG aHoTG%|HoTJkLKEMQ aHokJ",
    "JkJ%?HsI4)oT",
    "SL9EQs|GM",
    "p(\\E8s|4M",
    "8 |Hs2GM",
    "pQ aHs24M8",
    "TQS(\\EMQELdEMQp(dEMQSx%aHok]c(YEMx%|HsnGMLYEM8E(9EM8EQ 2HoTJk] |HoTJk]%2Ho",
};

} // namespace

const grilledonnee grillesdonnees[] = {
    {"|eV[n4", 4, textes1, 8},  {"2eI[|]", 5, textes2, 9},  {"eIgp[24", 6, textes3, 11},
    {"pe|[24", 6, textes4, 11}, {"eE+S[|[", 6, textes5, 8}, {"IeI[EG", 2, textes6, 8},
    {"IeE[EG", 3, textes7, 8},  {"Iep[EG", 4, textes8, 8},  {"eVGE[EJ", 5, textes9, 8},
    {"|eI[E]", 6, textes10, 9},
};

const short nbgrillesdonnees = 10;
const char* const nomsjouablescryptes = "eVoIhp+/[M[24peIg|[EGIeIoIJb[/JM[n4";
const char* const nomdepartcrypte = "IeI[EG";
