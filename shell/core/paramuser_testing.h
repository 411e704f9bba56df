// Helpers of the parameter file tests: a temporary directory removed at the
// end of the test, and whole-file reading and writing.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class dossiertemporaire {
public:
    dossiertemporaire() {
        std::random_device alea;
        for (;;) {
            chemin = std::filesystem::temp_directory_path() /
                     ("vora-shell-" + std::to_string(alea()) + std::to_string(alea()));
            if (std::filesystem::create_directory(chemin)) break;
        }
    }
    ~dossiertemporaire() {
        std::error_code e;
        std::filesystem::permissions(chemin, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, e);
        std::filesystem::remove_all(chemin, e);
    }
    dossiertemporaire(const dossiertemporaire&) = delete;
    dossiertemporaire& operator=(const dossiertemporaire&) = delete;

    // The path of name inside the directory.
    std::string fichier(const std::string& name) const { return (chemin / name).string(); }

private:
    std::filesystem::path chemin;
};

inline std::string litfichier(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void ecrisfichier(const std::string& path, const std::string& content) {
    std::ofstream f(path, std::ios::binary);
    f << content;
}
