// remplacefichier: write beside under a fresh name, flush, rename over; and
// the rename that never replaces.
#include "shell/core/fichieratomique.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <random>
#include <windows.h> // kernel only: the file and lock calls
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::string prefixetemporaire(const std::string& path) {
    return path + ".new-";
}

namespace {

#ifdef _WIN32

// A file handle closed when it goes.
class fichierouvert {
public:
    explicit fichierouvert(HANDLE h) : poignee(h) {}
    ~fichierouvert() {
        if (poignee != INVALID_HANDLE_VALUE) CloseHandle(poignee);
    }
    fichierouvert(const fichierouvert&) = delete;
    fichierouvert& operator=(const fichierouvert&) = delete;
    HANDLE get() const { return poignee; }
    // Close now; false when closing failed.
    bool ferme() {
        const bool bon = CloseHandle(poignee) != 0;
        poignee = INVALID_HANDLE_VALUE;
        return bon;
    }

private:
    HANDLE poignee;
};

// Create a file under a name that did not exist: the prefix and six random
// characters (CREATE_NEW fails on any existing name, a link included).
HANDLE creeunique(const std::string& prefixe, std::string& tmp) {
    static const char lettres[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device alea;
    for (int essai = 0; essai < 100; ++essai) {
        tmp = prefixe;
        for (int k = 0; k < 6; ++k) tmp += lettres[alea() % (sizeof lettres - 1)];
        HANDLE h = CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        const DWORD e = GetLastError();
        if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) break;
    }
    tmp.clear();
    return INVALID_HANDLE_VALUE;
}

// Write and flush content into a new temporary file; tmp receives its name,
// empty when none was created.
bool ecritetvide(const std::string& path, const std::string& content, std::string& tmp) {
    fichierouvert f(creeunique(prefixetemporaire(path), tmp));
    if (f.get() == INVALID_HANDLE_VALUE) return false;
    bool bon = true;
    size_t fait = 0;
    while (bon && fait < content.size()) {
        DWORD ecrit = 0;
        const size_t reste = content.size() - fait;
        const DWORD morceau = reste > 1u << 20 ? DWORD(1u << 20) : static_cast<DWORD>(reste);
        bon = WriteFile(f.get(), content.data() + fait, morceau, &ecrit, nullptr) && ecrit > 0;
        fait += ecrit;
    }
    bon = bon && FlushFileBuffers(f.get());
    return f.ferme() && bon;
}

bool renomme(const std::string& tmp, const std::string& path) {
    return MoveFileExA(tmp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

// A file descriptor closed when it goes.
class fichierouvert {
public:
    explicit fichierouvert(int f) : fd(f) {}
    ~fichierouvert() {
        if (fd >= 0) ::close(fd);
    }
    fichierouvert(const fichierouvert&) = delete;
    fichierouvert& operator=(const fichierouvert&) = delete;
    int get() const { return fd; }
    // Close now; false when closing failed.
    bool ferme() {
        const bool bon = ::close(fd) == 0;
        fd = -1;
        return bon;
    }

private:
    int fd;
};

// The permissions the new file takes: path's when it exists, else those of a
// new file under the process's umask.
mode_t droitsvoulus(const std::string& path) {
    struct stat s {};
    if (::stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode)) return s.st_mode & 0777;
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

// Write and flush content into a new temporary file (mkostemp: O_EXCL, so
// nothing that exists is opened); tmp receives its name, empty when none was
// created.
bool ecritetvide(const std::string& path, const std::string& content, std::string& tmp) {
    std::string modele = prefixetemporaire(path) + "XXXXXX";
    fichierouvert f(::mkostemp(modele.data(), O_CLOEXEC));
    if (f.get() < 0) return false;
    tmp = modele;
    // Held until closed: the cleaning of stale temporary files passes it by.
    bool bon = ::flock(f.get(), LOCK_EX | LOCK_NB) == 0;
    bon = bon && ::fchmod(f.get(), droitsvoulus(path)) == 0;
    size_t fait = 0;
    while (bon && fait < content.size()) {
        const ssize_t n = ::write(f.get(), content.data() + fait, content.size() - fait);
        if (n > 0)
            fait += static_cast<size_t>(n);
        else
            bon = n < 0 && errno == EINTR;
    }
    bon = bon && ::fsync(f.get()) == 0;
    return f.ferme() && bon;
}

// Make a directory entry durable (best effort: some file systems cannot sync
// a directory).
void syncdossier(const std::string& path) {
    const size_t barre = path.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : path.substr(0, barre + 1);
    fichierouvert d(::open(dossier.c_str(), O_RDONLY | O_CLOEXEC));
    if (d.get() >= 0) ::fsync(d.get());
}

bool renomme(const std::string& tmp, const std::string& path) {
    if (std::rename(tmp.c_str(), path.c_str()) != 0) return false;
    syncdossier(path);
    return true;
}

#endif

} // namespace

bool remplacefichier(const std::string& path, const std::string& content) {
    std::string tmp;
    if (ecritetvide(path, content, tmp) && renomme(tmp, path)) return true;
    if (!tmp.empty()) std::remove(tmp.c_str());
    return false;
}

bool renommesansecraser(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
#else
    // A hard link fails on an existing name; a file system without hard
    // links may still rename without replacing.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) != 0) {
            ::unlink(to.c_str());
            return false;
        }
    } else if (errno == EEXIST ||
               ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        return false;
    }
    syncdossier(to);
    return true;
#endif
}

bool nomtemporaire(const std::string& base, const std::string& name) {
    const std::string prefixe = prefixetemporaire(base);
    if (name.size() != prefixe.size() + 6 || name.compare(0, prefixe.size(), prefixe) != 0)
        return false;
    for (size_t i = prefixe.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

namespace {

#ifdef _WIN32

// Remove the stale temporary file at tmp: a file (no directory, no link) that
// no one holds open (a save holds its own without sharing, so that the
// removal fails).
bool retiretemporaire(const std::string& tmp) {
    const DWORD a = GetFileAttributesA(tmp.c_str());
    if (a == INVALID_FILE_ATTRIBUTES ||
        (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return false;
    return DeleteFileA(tmp.c_str()) != 0;
}

#else

// Remove the stale temporary file at tmp: a regular file of this user, not
// a link, that no save holds locked, still the one at that name.
bool retiretemporaire(const std::string& tmp) {
    fichierouvert f(::open(tmp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (f.get() < 0) return false;
    struct stat ouvert {};
    if (::fstat(f.get(), &ouvert) != 0 || !S_ISREG(ouvert.st_mode) || ouvert.st_uid != ::geteuid())
        return false;
    if (::flock(f.get(), LOCK_EX | LOCK_NB) != 0) return false;
    struct stat nom {};
    if (::lstat(tmp.c_str(), &nom) != 0 || nom.st_dev != ouvert.st_dev ||
        nom.st_ino != ouvert.st_ino)
        return false;
    return ::unlink(tmp.c_str()) == 0;
}

#endif

} // namespace

int nettoietemporaires(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path fichier(path);
    const std::string base = fichier.filename().string();
    fs::path dossier = fichier.parent_path();
    if (dossier.empty()) dossier = ".";
    std::error_code e;
    fs::directory_iterator it(dossier, e);
    int retires = 0;
    for (; !e && it != fs::directory_iterator(); it.increment(e)) {
        const std::string nom = it->path().filename().string();
        if (nomtemporaire(base, nom) && retiretemporaire((dossier / nom).string())) ++retires;
    }
    return retires;
}
