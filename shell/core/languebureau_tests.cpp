// The desktop's language read from tables of locale variables and Windows
// language identifiers.
#include "shell/core/languebureau.h"

#include "shell/core/createmsg.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

struct cas {
    const char* nom;
    std::map<std::string, std::string> env;
    short langue;
};

TEST(languebureau, locale) {
    const cas cases[] = {
        {"nothing set", {}, langueanglais},
        {"LANG French", {{"LANG", "fr_FR.UTF-8"}}, languefrancais},
        {"LANG English", {{"LANG", "en_US.UTF-8"}}, langueanglais},
        {"LANG German", {{"LANG", "de_DE.UTF-8"}}, langueanglais},
        {"the C locale", {{"LANG", "C"}}, langueanglais},
        {"POSIX", {{"LANG", "POSIX"}}, langueanglais},
        {"C.UTF-8", {{"LANG", "C.UTF-8"}}, langueanglais},
        {"language alone", {{"LANG", "fr"}}, languefrancais},
        {"Canadian French", {{"LANG", "fr_CA"}}, languefrancais},
        {"Belgian with a modifier", {{"LANG", "fr_BE@euro"}}, languefrancais},
        {"upper case", {{"LANG", "FR_fr"}}, languefrancais},
        {"Windows C library name", {{"LANG", "French_France.1252"}}, languefrancais},
        {"Frisian is not French", {{"LANG", "fy_NL.UTF-8"}}, langueanglais},
        {"a longer code starting fr", {{"LANG", "frr_DE"}}, langueanglais},
        {"Friulian is not French", {{"LANG", "fur_IT"}}, langueanglais},
        {"LC_MESSAGES over LANG", {{"LANG", "en_GB"}, {"LC_MESSAGES", "fr_FR"}}, languefrancais},
        {"LC_MESSAGES English over French LANG",
         {{"LANG", "fr_FR"}, {"LC_MESSAGES", "en_US"}},
         langueanglais},
        {"LC_ALL over the rest",
         {{"LANG", "en_US"}, {"LC_MESSAGES", "en_US"}, {"LC_ALL", "fr_FR.UTF-8"}},
         languefrancais},
        {"LC_ALL English over French",
         {{"LANG", "fr_FR"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "C"}},
         langueanglais},
        {"an empty LC_ALL is skipped", {{"LC_ALL", ""}, {"LANG", "fr_FR"}}, languefrancais},
        {"an empty LANG alone", {{"LANG", ""}}, langueanglais},
        {"other categories do not count", {{"LC_CTYPE", "fr_FR"}}, langueanglais},
    };
    for (const cas& c : cases) {
        const short langue = languedelocale([&](const char* nom) -> const char* {
            auto it = c.env.find(nom);
            return it == c.env.end() ? nullptr : it->second.c_str();
        });
        EXPECT_EQ(langue, c.langue) << c.nom;
    }
}

TEST(languebureau, langid) {
    const struct {
        unsigned short langid;
        short langue;
    } cases[] = {
        {0x040C, languefrancais}, // French (France)
        {0x0C0C, languefrancais}, // French (Canada)
        {0x100C, languefrancais}, // French (Switzerland)
        {0x0409, langueanglais},  // English (United States)
        {0x0809, langueanglais},  // English (United Kingdom)
        {0x0407, langueanglais},  // German
        {0x0000, langueanglais},  // neutral
        {0x0462, langueanglais},  // Frisian
    };
    for (const auto& c : cases) EXPECT_EQ(languedelangid(c.langid), c.langue) << c.langid;
}

} // namespace
