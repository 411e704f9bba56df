// The working directory of the fuzz targets that read files.
#include "fuzz/fuzzcheck.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

fs::path base() {
    return fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
}

long numeroprocessus() {
#ifdef _WIN32
    return _getpid();
#else
    return getpid();
#endif
}

// Remove the directories named prefix + the number of a process that is gone
// (on Windows, where the corpora are only replayed, none are left behind by
// a run that did not fail).
void retireorphelins(const std::string& prefix) {
#ifdef _WIN32
    (void)prefix;
#else
    std::error_code e;
    for (const fs::directory_entry& d : fs::directory_iterator(base(), e)) {
        const std::string nom = d.path().filename().string();
        if (nom.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string numero = nom.substr(prefix.size());
        if (numero.empty() || numero.find_first_not_of("0123456789") != std::string::npos) continue;
        const pid_t pid = static_cast<pid_t>(std::stol(numero));
        if (kill(pid, 0) == -1 && errno == ESRCH) fs::remove_all(d.path(), e);
    }
#endif
}

std::string* dossier = nullptr;

void nettoie() {
    std::error_code e;
    fs::remove_all(*dossier, e);
}

} // namespace

const std::string& dossierdetravail(const char* prefix) {
    if (!dossier) {
        retireorphelins(prefix);
        const fs::path d = base() / (prefix + std::to_string(numeroprocessus()));
        fs::create_directories(d);
        dossier = new std::string(d.string());
        std::atexit(nettoie);
    }
    return *dossier;
}
