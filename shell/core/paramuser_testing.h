// Helpers of the parameter file tests: a temporary directory removed at the
// end of the test, whole-file reading and writing, and a save made to fail.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

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

// While it lives, replacing the file at path fails, also for the
// administrator. Linux: the files the process writes cannot grow past 16
// bytes (RLIMIT_FSIZE; SIGXFSZ ignored), as on a full disk. Windows: path is
// held open without delete sharing, as by an editor.
class echececriture {
public:
    explicit echececriture([[maybe_unused]] const std::string& path) {
#ifdef _WIN32
        ouvert.open(path, std::ios::binary);
#else
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit petit = avant;
        petit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &petit);
#endif
    }
    ~echececriture() {
#ifndef _WIN32
        setrlimit(RLIMIT_FSIZE, &avant);
#endif
    }
    echececriture(const echececriture&) = delete;
    echececriture& operator=(const echececriture&) = delete;

private:
#ifdef _WIN32
    std::ifstream ouvert;
#else
    rlimit avant{};
#endif
};
