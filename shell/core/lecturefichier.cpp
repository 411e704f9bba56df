// lisfichier on the operating system's own calls.
#include "shell/core/lecturefichier.h"

#include <algorithm>
#include <vector>

#ifdef _WIN32
#include <windows.h> // kernel only: the file calls
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t morceau = 64 * 1024;

} // namespace

#ifdef _WIN32

lecturefichier lisfichier(const std::string& path, std::size_t max, std::string& out) {
    out.clear();
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD e = GetLastError();
        return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? lecturefichier::absent
                                                                      : lecturefichier::illisible;
    }
    lecturefichier issue = lecturefichier::lu;
    if (GetFileType(h) != FILE_TYPE_DISK) {
        issue = lecturefichier::illisible;
    } else {
        std::vector<char> tampon(morceau);
        while (out.size() < max) {
            DWORD lus = 0;
            const DWORD voulu = static_cast<DWORD>(std::min(morceau, max - out.size()));
            if (!ReadFile(h, tampon.data(), voulu, &lus, nullptr)) {
                issue = lecturefichier::illisible;
                break;
            }
            if (lus == 0) break;
            out.append(tampon.data(), lus);
        }
    }
    CloseHandle(h);
    if (issue != lecturefichier::lu) out.clear();
    return issue;
}

#else

lecturefichier lisfichier(const std::string& path, std::size_t max, std::string& out) {
    out.clear();
    // Looked at before it is opened: opening a FIFO, even without waiting,
    // would wake a writer blocked on it.
    struct stat s {};
    if (::stat(path.c_str(), &s) != 0)
        return errno == ENOENT || errno == ENOTDIR ? lecturefichier::absent
                                                   : lecturefichier::illisible;
    if (!S_ISREG(s.st_mode)) return lecturefichier::illisible;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? lecturefichier::absent : lecturefichier::illisible;
    lecturefichier issue = lecturefichier::lu;
    // The name may have changed in between: what was opened counts.
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        issue = lecturefichier::illisible;
    } else {
        std::vector<char> tampon(morceau);
        while (out.size() < max) {
            const ssize_t n = ::read(fd, tampon.data(), std::min(morceau, max - out.size()));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                issue = lecturefichier::illisible;
                break;
            }
            if (n == 0) break;
            out.append(tampon.data(), static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (issue != lecturefichier::lu) out.clear();
    return issue;
}

#endif
