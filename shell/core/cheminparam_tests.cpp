// The parameter file's place: the data folder from the environment on each
// system, the current directory's file first, and the making of the folder.
#include "shell/core/cheminparam.h"

#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

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
    ASSERT_EQ(preparedossierde(fichier), etatdossier::pret);
    EXPECT_TRUE(std::filesystem::is_directory(d.fichier("a/b/vora")));
#ifndef _WIN32
    EXPECT_EQ(std::filesystem::status(d.fichier("a/b/vora")).permissions(),
              std::filesystem::perms::owner_all);
#endif
    ecrisfichier(fichier, "x");
    EXPECT_TRUE(cheminexiste(fichier));
    EXPECT_EQ(preparedossierde(fichier), etatdossier::pret) << "an existing folder is kept";
    EXPECT_EQ(litfichier(fichier), "x");
    EXPECT_EQ(preparedossierde("P.TXT"), etatdossier::pret) << "the current directory";
    // A file where the folder should be: nothing can be made.
    ecrisfichier(d.fichier("f"), "");
    EXPECT_EQ(preparedossierde(d.fichier("f/vora/P.TXT")), etatdossier::absent);
}

#ifndef _WIN32
// An existing folder that its group or others may write in loses those
// write permissions (they could hold or bypass the lock in it), the rest of
// its mode kept; a folder of another user is not trusted, and left as it is.
TEST(Cheminparam, AFolderOthersMayWriteInIsMadeSafeAnotherUsersIsRefused) {
    namespace fs = std::filesystem;
    const struct {
        unsigned avant;
        unsigned apres;
    } modes[] = {{0777, 0755}, {0770, 0750}, {0733, 0711}, {01777, 01755},
                 {0700, 0700}, {0755, 0755}, {0750, 0750}, {0300, 0300}};
    dossiertemporaire d;
    const std::string fichier = d.fichier("vora/P.TXT");
    fs::create_directory(d.fichier("vora"));
    for (const auto& m : modes) {
        fs::permissions(d.fichier("vora"), static_cast<fs::perms>(m.avant),
                        fs::perm_options::replace);
        EXPECT_EQ(preparedossierde(fichier), etatdossier::pret) << std::oct << m.avant;
        EXPECT_EQ(static_cast<unsigned>(fs::status(d.fichier("vora")).permissions()), m.apres)
            << std::oct << m.avant;
    }
    // A link to the folder: the folder it leads to is checked.
    fs::permissions(d.fichier("vora"), static_cast<fs::perms>(0777), fs::perm_options::replace);
    fs::create_directory_symlink(d.fichier("vora"), d.fichier("lien"));
    EXPECT_EQ(preparedossierde(d.fichier("lien/P.TXT")), etatdossier::pret);
    EXPECT_EQ(static_cast<unsigned>(fs::status(d.fichier("vora")).permissions()), 0755u);
    if (geteuid() != 0) return; // only the administrator can give a folder away
    fs::permissions(d.fichier("vora"), static_cast<fs::perms>(0777), fs::perm_options::replace);
    ASSERT_EQ(chown(d.fichier("vora").c_str(), 4242, 4242), 0);
    EXPECT_EQ(preparedossierde(fichier), etatdossier::etranger);
    EXPECT_EQ(static_cast<unsigned>(fs::status(d.fichier("vora")).permissions()), 0777u);
    fs::permissions(d.fichier("vora"), static_cast<fs::perms>(0700), fs::perm_options::replace);
    EXPECT_EQ(preparedossierde(fichier), etatdossier::etranger) << "even private to its owner";
}
#endif

} // namespace
