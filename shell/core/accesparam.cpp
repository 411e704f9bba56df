// The parameter file's access and tidying at start-up.
#include "shell/core/accesparam.h"

#include "shell/core/cheminparam.h"
#include "shell/core/fichieratomique.h"
#include "shell/core/paramabime.h"

#include <filesystem>

accesparam accedeparam(const std::string& path, claverrouparam& verrou) {
    accesparam a;
    if (preparedossierde(path) == etatdossier::etranger) {
        a.g = accesparam::genre::dossiernonsur;
        a.objet = std::filesystem::path(path).parent_path().string();
        return a;
    }
    switch (verrou.prendre(path)) {
    case claverrouparam::issue::tenu:
        break;
    case claverrouparam::issue::occupe:
        a.g = accesparam::genre::occupe;
        break;
    case claverrouparam::issue::impossible:
        a.g = accesparam::genre::sansverrou;
        a.objet = fichierverrou(path);
        break;
    }
    return a;
}

short rangeparam(const std::string& path, std::string& aside) {
    nettoietemporaires(path);
    if (!fichierabime(path)) return 0;
    return metsdecote(path, aside) ? 19 : 20;
}
