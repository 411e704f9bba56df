// The choice of the parameter file's place and the making of its folder.
#include "shell/core/cheminparam.h"

#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string valeur(const lectureenv& env, const char* name) {
    const char* v = env ? env(name) : nullptr;
    return v ? std::string(v) : std::string();
}

} // namespace

systemeparam systemecourant() {
#ifdef _WIN32
    return systemeparam::windows;
#else
    return systemeparam::unixlike;
#endif
}

std::string dossierdonnees(systemeparam sys, const lectureenv& env) {
    if (sys == systemeparam::windows) {
        const std::string appdata = valeur(env, "APPDATA");
        if (appdata.empty()) return "";
        const char fin = appdata.back();
        return appdata + (fin == '\\' || fin == '/' ? "" : "\\") + "V-O-RA";
    }
    // XDG base directories must be absolute: a relative XDG_DATA_HOME is ignored.
    std::string base = valeur(env, "XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = valeur(env, "HOME");
        if (home.empty()) return "";
        base = home + (home.back() == '/' ? "" : "/") + ".local/share";
    }
    return base + (base.back() == '/' ? "" : "/") + "vora";
}

std::string cheminparam(const std::string& name, bool ici, const std::string& dossier,
                        systemeparam sys) {
    if (ici || dossier.empty()) return name;
    return dossier + (sys == systemeparam::windows ? "\\" : "/") + name;
}

bool cheminexiste(const std::string& path) {
    std::error_code e;
    return std::filesystem::exists(std::filesystem::symlink_status(path, e));
}

etatdossier preparedossierde(const std::string& path) {
    const std::filesystem::path dossier = std::filesystem::path(path).parent_path();
    if (dossier.empty()) return etatdossier::pret;
    std::error_code e;
    if (!std::filesystem::is_directory(dossier, e)) {
        if (!std::filesystem::create_directories(dossier, e)) return etatdossier::absent;
        std::filesystem::permissions(dossier, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, e);
    }
#ifndef _WIN32
    struct stat s {};
    if (::stat(dossier.c_str(), &s) != 0 || !S_ISDIR(s.st_mode)) return etatdossier::absent;
    if (s.st_uid != ::geteuid()) return etatdossier::etranger;
    constexpr mode_t autres = S_IWGRP | S_IWOTH;
    if ((s.st_mode & autres) != 0 && ::chmod(dossier.c_str(), s.st_mode & 07777 & ~autres) != 0)
        return etatdossier::etranger;
#endif
    return etatdossier::pret;
}
