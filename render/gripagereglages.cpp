// The shell's state read by the grid page drawing, with its play values.
#include "render/gripagereglages.h"

#include "render/couleurs.h"

int grischiffrefixe = 0;
int grischiffrejoue = 0xFF00FF;
int grisfondcase = 0x99FFFF;
int cjeutourcase = 0;
int griscontour = 0x333333;
int grisinterne = 0xB2B2B2;
int grisvingt = 0xCCCCCC;
int fondessin = 0xFFFF00;

unsigned char mainone = 1;
unsigned char contraffi = 0;
unsigned char flechokdroite = 0;
unsigned char flechokgauche = 0;
unsigned char flechokhaut = 0;
unsigned char flechokbas = 0;
POINT flechepoly[4][4] = {};
short taillechoisie = 40;
unsigned char pagecentrale = 0;
unsigned char doublacinq = 0;

unsigned char grillant = 0;
short poliwid = 1;
gdrectan blokadre;

gripagecrochets crochetsgripage;

char boncarac(short, short v) {
    return static_cast<char>('0' + v);
}

int coulfondecase(short, short, int colour) {
    return colour;
}

void reglagesdejeu() {
    grischiffrefixe = 0;
    grischiffrejoue = 0xFF00FF;
    grisfondcase = clair(0x00FFFF);
    cjeutourcase = 0;
    griscontour = nuancegris(80);
    grisinterne = nuancegris(30);
    grisvingt = nuancegris(20);
    fondessin = 0xFFFF00;
    mainone = 1;
    contraffi = 0;
    flechokdroite = flechokgauche = flechokhaut = flechokbas = 0;
    for (auto& f : flechepoly)
        for (auto& p : f) p = POINT{0, 0};
    taillechoisie = 40;
    pagecentrale = 0;
    doublacinq = 0;
    crochetsgripage = gripagecrochets{};
}
