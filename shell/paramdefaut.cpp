// paramdefaut: the shell's default state.
#include "shell/paramdefaut.h"

#include "shell/etatjeu.h"
#include "shell/jeu.h"

void paramdefaut() {
    setappli(0);
    settailleprin(taillecasedefaut);
    jeucouleurs();
    setappli(3);
    setmode(modeappli::sansgrille);
}
