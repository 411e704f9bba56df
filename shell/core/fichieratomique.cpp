// remplacefichier: write beside, flush, rename over; the only code of the
// shell core that speaks to the operating system directly.
#include "shell/core/fichieratomique.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

std::string fichiertemporaire(const std::string& path) {
    return path + ".new";
}

namespace {

#ifdef _WIN32

// Write and flush content into tmp; cree tells whether tmp was created.
bool ecritetvide(const std::string& tmp, const std::string& content, bool& cree) {
    HANDLE h = CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    cree = true;
    bool bon = true;
    size_t fait = 0;
    while (bon && fait < content.size()) {
        DWORD ecrit = 0;
        const size_t reste = content.size() - fait;
        const DWORD morceau = reste > 1u << 20 ? DWORD(1u << 20) : static_cast<DWORD>(reste);
        bon = WriteFile(h, content.data() + fait, morceau, &ecrit, nullptr) && ecrit > 0;
        fait += ecrit;
    }
    bon = bon && FlushFileBuffers(h);
    return CloseHandle(h) && bon;
}

bool renomme(const std::string& tmp, const std::string& path) {
    return MoveFileExA(tmp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

// Write and flush content into tmp; cree tells whether tmp was created.
bool ecritetvide(const std::string& tmp, const std::string& content, bool& cree) {
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    cree = true;
    bool bon = true;
    size_t fait = 0;
    while (bon && fait < content.size()) {
        const ssize_t n = ::write(fd, content.data() + fait, content.size() - fait);
        if (n > 0)
            fait += static_cast<size_t>(n);
        else
            bon = n < 0 && errno == EINTR;
    }
    bon = bon && ::fsync(fd) == 0;
    return ::close(fd) == 0 && bon;
}

bool renomme(const std::string& tmp, const std::string& path) {
    if (std::rename(tmp.c_str(), path.c_str()) != 0) return false;
    // Make the new directory entry durable too (best effort: some file
    // systems cannot sync a directory).
    const size_t barre = path.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : path.substr(0, barre + 1);
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

#endif

} // namespace

bool remplacefichier(const std::string& path, const std::string& content) {
    const std::string tmp = fichiertemporaire(path);
    bool cree = false;
    if (ecritetvide(tmp, content, cree) && renomme(tmp, path)) return true;
    if (cree) std::remove(tmp.c_str());
    return false;
}
