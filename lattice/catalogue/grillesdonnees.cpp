// The built-in grid catalogue, every text scrambled. Written by the catalogue
// tool (voracat build tools/voracat/catalogue.txt); not edited by hand.
#include "lattice/catalogue/grillesdonnees.h"

namespace {

const char* const textes1[] = {
    "o0x`o0FM#`JM#`MM#Uo0MEo0M:o0/M#:JE#M#To08Eo08ko08:o0QM#kJM#kxM#co0x",
    "ocF%2Ho`J%?Ho`] DHoU/%2HoU/E(9EM/E(YEHsIJ)o%2HoTJ DHoTJ%aHoTQ aHokx ?Hoc]%|",
    "kx%|HsI4)o",
    "`(\\Exs|GM",
    "8 ?Hs|4M",
    "EL9EQs2GM",
    "E/ aHs24MM",
    "Ho`M%2Ho`MELjEMMp(YEMM:(\\EM/ELKEasnGM8%nHoTQ%|HokJ DHocFE(KEMx`J%",
};

const char* const textes2[] = {
    "QEo08pQM#T]kJM#TJko08EQEo08ko08kJM#ko0QE#M#To08Eo08po08So08bo08bQM#TGkJM#Tiko08S",
    "kJ%2HoTik]%?HoTJ:(YEM8:(dEMQE(9EMQcL\\EisIJ)oT(9EM8E(KEM8SLjEM8bQE(\\EM8SQ%DHoT",
    "jEMF%|HsIJ)o`(",
    "]k(dETsI4)o",
    "LdEMs|G",
    "ELKEQs|4M",
    "QpLjEEs2GM8",
    "b(YE8s24M",
    "]kLYEM8pQE(YEM8EQE(\\EMM DHo:(KETsnGM8p(\\EM8pLdEM8bQ%|HoTikJ |Ho",
};

const char* const textes3[] = {
    "/Eo0QM#kJM#k]M#kJco0Qco0QcJM#co0xEo0xp#M#To08Eo08po08EQM#TJ:o08ko08kJM#T/M#T",
    "Eo0MM#UJM#U]M#UJ:o0M:o0M:JM#:o0/Eo0/p#cJ`o0x`o0x`JM#`o0FEo0Fpo0FEMM#`MM#`M",
    "ELKEMxp(9EMxpF%2HocFp(jEMFSL\\EMFEMELdExsIJ)oTL9EM8pL\\EM8E/%|HokJ%DHokJcJ%2Hok",
    "HoU/p(YEDsIJ)oU]%",
    "dEMME(\\ELsI4)oTQE",
    "ME/%?HoU/ nHs|GMxEFE(KEM",
    "?HoU] nHs|4Mx`J ",
    "Ho`JU(KE2s2GMFpM ",
    "p(9E8s24M",
    "EMQc]%?Hoc(\\EMxE(dEMxpL\\EMxSLKEMx`LjEKsnGM8EQ%aHoT/ DHoT/EL\\EMQ 2HokLKEMQE(",
    "jEMFUJ%?HoU/%aHo:]%aHsnGMx`]%|Ho`J DHo`ME(",
};

const char* const textes4[] = {
    "|8M#ThTJM#ThT]M#ThTiM#ThTGM#ThT}M#ThTg8#M#To08Eo08po08So08bo08Vo08no082o08|o0",
    "o08|8pQM#ThTJko08|8ko08|QM#T+ko08nQM#T}k#ThT+M#ThT+ko08|8nQM#ThT}ko08|8bQM#ThTik",
    "ko08EQM#TQM#k#TGko08SQM#T]",
    "oThT+kLYEM8|8nQ%aHoThTgkJ%2HoThT}k(9EHsIJ)oTJ 2HoTG |HoTg%?HoThTJ DHoThTi n",
    "/ aHoThT]k(YEM8|8E/ |HoThk(dEM82QELYESsIJ)oThT}kJ%|HoThT}:(\\EM8|8bQEL\\EM8|8",
    "M8kL9EM8kJ%aHokx%aHoc(KEMF aHo`L\\EM/ ?HsIJ)oTg:(9EM8VQ |HoTGkLdEM8pQ ?HoTJ:(\\E",
    "JkJ%nHoThTQ%aHsI4)oT+%|HoThT",
    "} DHoTg 2Hs|GM8%DHoT",
    "bQ%|HoTJkJ%nHs|4M8|(jEM8|8",
    "%?HoThT+%DHoThT}kLdEM8|8pQ%DHoThT]kJ%|Hs2GM8ELYEM8p(jEM8pL9EM8SLYEM8|8%|HoThT]",
    "%|HoTJkLKEM8:(KEMQ DHokLdEMx%?Hs2GM8|8EQ%2HoT+:(YEM8pQ%2HoT]kJ",
};

const char* const textes5[] = {
    "]M#cJ`o0x`JM#`]M#`JUo0FUJM#U]M#UJ:o0M:Jc#T]M#TJko08E/M#TQEo08:JM#k]M#kJco0QcJM#",
    "]:#",
    "/E(\\EMQE(dEMQp(KEMQExEL\\EMQcJ%aHocJ ?HsIJ)oTJ ?HoTJ%|HoTJ:L9EM8kL9EM8kJ%|HoT",
    "] DHo`]%?Ho`]U(dEMFEME(\\EMFUJ 2Ho`Mp(YE`sIJ)oc] nHoc]`(dEMxpF%aHocJ`LdEMx`J ?Ho",
    "U/EL\\EMM:] ?Ho:J%nHo:] |HsIJ)o`MpLjEMMp(KEMME/%2Ho",
    "J:J |HsI4)oU",
    "Ex ?Hs|GMQ",
    "%DHocFELjEMx`] 2Ho`JUJ%|HoUJ%aHoU/%?Hs|4M8p(9EM8k(jEM8:(jEM8:LYEMQpx%aHoc]",
};

const char* const textes6[] = {
    "o0FM#Uo0/c#M#To0QM#",
    "EMFELjEMFULYEMM:(9EM/%DHsIJ)oTLjEMQ |Hoc(\\EMFE(Y",
    "o%|HsI4)",
    "Q%2Hs|GM",
    "E(KEMs|4M",
    "F%DHs2GM",
    "cLjEQs24M",
    "`(jEMx`LKExsnGMxEL9EM",
};

const char* const textes7[] = {
    "Eo08ko08kJM#TQpo0QM#kJM#k]M#kiQ#M#To08Eo08po08So08pQM#TJko08E",
    "%|HokicLdEMQpx ?HokJc(jEMQc(\\EMF%aHsIJ)o%?HoT(\\EM8ELYEM8S(9EM8pQ%?Hok]",
    "JkJ%nHsI4)oT",
    "Ex%?Hs|GMQ",
    "p(9EQs|4M",
    "k]%?Hs2GM8",
    "E/ aHs24M8",
    "aHoT/ 2HokLdEMQcLKEMx ?HsnGM(9EM8SLjEM8k(YEM8kJ%",
};

const char* const textes8[] = {
    "TQM#TQEo0QM#kJM#k]##M#To08Eo08po08EQM",
    "] nHok]%aHok]cLdEMx nHo`LjEMM DHsIJ)oTJ |HoT]%2HoTJ:(jEM8kJ%?Hok",
    "k(\\EosI4)",
    "k(dE8s|GM",
    "8%DHs|4M",
    "EL9EQs2GM",
    "kLjE8s24M",
    "JkL\\EMQc(dEMF |HsnGM8 ?HoTJ%nHoT",
};

const char* const textes9[] = {
    "o0FM#`JM#Uo0MEo0/M#:JE#M#To08Eo0QM#kJM#co0x",
    "`J%aHo`] nHo`]%DHo`JU(YEMFUJ%DHoU/E(dEosIJ)oTJ%|Hok(KEMQE(jEMQEL\\EMxpLjEMF nH",
    ":LYEosIJ)",
    "TLdEosI4)",
    "F%?Hs|GM",
    "E(dEFs|4M",
    "(\\EMs2G",
    "UJ 2Hs24MF",
    "Mx`(YEMx`L\\EMMELYEMM:(9EEsnGMQ%nHokx nHokx%?Hoc(d",
};

const char* const textes10[] = {
    "QM#TJkJM#TJk]M#TQM#TQEo08k]M#TQSo0QM#kJE#M#To08Eo08po08So08bo08SQM#T]ko08pQEo08",
    "iM#kGk#k]M#",
    "8ki |HoTQSL9EMQbx%2Hok]c(YEMQcLdEMF%2HsIJ)o ?HoT(9EM8%|HoT]%nHoTG |HoTi:(\\EM",
    "kG ?HsI4)o",
    "S(jEQs|GM",
    "kJ aHs|4M8",
    "kJ%DHs2GM8",
    "E(YEQs24M",
    "HoTQ 2HoTQ%?Hok(\\EMQELKEMQSx%nHoc(KEDsnGM8p(\\EM8S(YEM8p/ |HoTJkJ%?HoTJk]%",
};

} // namespace

const grilledonnee grillesdonnees[] = {
    {"|eV[n4", 4, textes1, 8},  {"2eI[|]", 5, textes2, 9},  {"eIgp[24", 6, textes3, 11},
    {"pe|[24", 6, textes4, 11}, {"eE+S[|[", 6, textes5, 8}, {"IeI[EG", 2, textes6, 8},
    {"IeE[EG", 3, textes7, 8},  {"Iep[EG", 4, textes8, 8},  {"eVGE[EJ", 5, textes9, 9},
    {"|eI[E]", 6, textes10, 9},
};

const short nbgrillesdonnees = 10;
const char* const nomsjouablescryptes = "eVoIhp+/[M[24peIg|[EGIeIoIJb[/JM[n4";
const char* const nomdepartcrypte = "IeI[EG";
