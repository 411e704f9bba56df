// Message boxes of the shell.
#include "shell/boites.h"

#include "shell/clagdtooltip.h"
#include "shell/etatjeu.h"

#include "platform/messagebox/message_box.h"
#include "shell/core/createmsg.h"
#include "shell/core/textesvora.h"

void textemessage(gstring& out, short number, const char* a, const char* b) {
    createmsg(&out, number, partie.parametres().langue, a, b, grillepage().getmodaffi() == 8);
}

int boitemessage(short number, UINT type, const char* a, const char* b) {
    gstring texte;
    textemessage(texte, number, a, b);
    gstring titre;
    titreprogramme(titre);
    return boitetexte(texte.adr(), titre.adr(), type);
}

int boitetexte(const char* text, const char* caption, UINT type) {
    // A box never opens under a tooltip left by the button that asked for it.
    tooltip.virefentooltip();
    return vora::platform::show_message_box(jeu.fenetre, text, caption, type | MB_SYSTEMMODAL);
}

void languedesboites() {
    SetThreadUILanguage(MAKELANGID(
        partie.parametres().langue == langueanglais ? LANG_ENGLISH : LANG_FRENCH, SUBLANG_DEFAULT));
}
