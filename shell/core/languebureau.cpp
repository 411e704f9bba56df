// The desktop's language from the locale's variables or a Windows language
// identifier.
#include "shell/core/languebureau.h"

#include "shell/core/createmsg.h"

#include <cctype>
#include <string_view>

namespace {

bool lettre(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Whether a locale's name names French: the language code "fr" (alone or
// followed by a territory, a code set or a modifier) or the long name
// "French" of the Windows C library.
bool nommefrancais(std::string_view nom) {
    auto prefixe = [&](std::string_view p) {
        if (nom.size() < p.size()) return false;
        for (std::size_t i = 0; i < p.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(nom[i])) != p[i]) return false;
        return nom.size() == p.size() || !lettre(nom[p.size()]);
    };
    return prefixe("fr") || prefixe("french");
}

} // namespace

short languedelocale(const lectureenv& env) {
    for (const char* nom : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valeur = env(nom);
        if (valeur != nullptr && valeur[0] != '\0')
            return nommefrancais(valeur) ? languefrancais : langueanglais;
    }
    return langueanglais;
}

short languedelangid(unsigned short langid) {
    return (langid & 0x3FF) == 0x0C ? languefrancais : langueanglais;
}
