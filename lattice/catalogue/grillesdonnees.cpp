// The built-in grid catalogue, empty until the catalogue tool writes it.
#include "lattice/catalogue/grillesdonnees.h"

const grilledonnee grillesdonnees[] = {{"", 0, nullptr, 0}};
const short nbgrillesdonnees = 0;
const char* const nomsjouablescryptes = "";
const char* const nomdepartcrypte = "";
