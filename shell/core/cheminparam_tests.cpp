// The parameter file's place: the data folder from the environment on each
// system, the current directory's file first, and the making of the folder.
#include "shell/core/cheminparam.h"

#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

lectureenv environnement(const std::map<std::string, std::string>& vars) {
    return [vars](const char* name) -> const char* {
        const auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second.c_str();
    };
}

TEST(Cheminparam, TheDataFolderFollowsEachSystemsVariables) {
    using s = systemeparam;
    const struct {
        s sys;
        std::map<std::string, std::string> vars;
        const char* attendu;
    } table[] = {
        {s::unixlike, {{"XDG_DATA_HOME", "/d/x"}, {"HOME", "/h"}}, "/d/x/vora"},
        {s::unixlike, {{"XDG_DATA_HOME", "/d/x/"}}, "/d/x/vora"},
        {s::unixlike, {{"XDG_DATA_HOME", "rel/x"}, {"HOME", "/h"}}, "/h/.local/share/vora"},
        {s::unixlike, {{"XDG_DATA_HOME", ""}, {"HOME", "/h/"}}, "/h/.local/share/vora"},
        {s::unixlike, {{"HOME", "/h"}}, "/h/.local/share/vora"},
        {s::unixlike, {{"HOME", ""}}, ""},
        {s::unixlike, {{"APPDATA", "C:\\a"}}, ""},
        {s::windows,
         {{"APPDATA", "C:\\Users\\p\\AppData\\Roaming"}, {"HOME", "/h"}},
         "C:\\Users\\p\\AppData\\Roaming\\V-O-RA"},
        {s::windows, {{"APPDATA", "Z:\\t\\"}}, "Z:\\t\\V-O-RA"},
        {s::windows, {{"XDG_DATA_HOME", "/d"}, {"HOME", "/h"}}, ""},
        {s::windows, {}, ""},
    };
    for (const auto& k : table)
        EXPECT_EQ(dossierdonnees(k.sys, environnement(k.vars)), k.attendu) << k.attendu;
    EXPECT_EQ(dossierdonnees(s::unixlike, nullptr), "");
}

TEST(Cheminparam, AFileInTheCurrentDirectoryComesFirst) {
    const std::string nom = "V-O-RA 110.TXT";
    EXPECT_EQ(cheminparam(nom, true, "/h/vora", systemeparam::unixlike), nom);
    EXPECT_EQ(cheminparam(nom, false, "", systemeparam::unixlike), nom);
    EXPECT_EQ(cheminparam(nom, false, "/h/vora", systemeparam::unixlike), "/h/vora/" + nom);
    EXPECT_EQ(cheminparam(nom, false, "C:\\a\\V-O-RA", systemeparam::windows),
              "C:\\a\\V-O-RA\\" + nom);
}

TEST(Cheminparam, TheFolderIsMadeWhenMissingAndOnlyThen) {
    dossiertemporaire d;
    const std::string fichier = d.fichier("a/b/vora/P.TXT");
    EXPECT_FALSE(cheminexiste(d.fichier("a")));
    ASSERT_TRUE(creedossierde(fichier));
    EXPECT_TRUE(std::filesystem::is_directory(d.fichier("a/b/vora")));
#ifndef _WIN32
    EXPECT_EQ(std::filesystem::status(d.fichier("a/b/vora")).permissions(),
              std::filesystem::perms::owner_all);
#endif
    ecrisfichier(fichier, "x");
    EXPECT_TRUE(cheminexiste(fichier));
    EXPECT_TRUE(creedossierde(fichier)) << "an existing folder is kept";
    EXPECT_EQ(litfichier(fichier), "x");
    EXPECT_TRUE(creedossierde("P.TXT")) << "the current directory";
    // A file where the folder should be: nothing can be made.
    ecrisfichier(d.fichier("f"), "");
    EXPECT_FALSE(creedossierde(d.fichier("f/vora/P.TXT")));
}

} // namespace
