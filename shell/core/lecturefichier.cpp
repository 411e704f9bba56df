// lisfichier on the operating system's own calls.
#include "shell/core/lecturefichier.h"

#include <algorithm>

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
        while (out.size() < max) {
            const std::size_t avant = out.size();
            const DWORD voulu = static_cast<DWORD>(std::min(morceau, max - avant));
            out.resize(avant + voulu);
            DWORD lus = 0;
            const bool bon = ReadFile(h, out.data() + avant, voulu, &lus, nullptr) != 0;
            out.resize(avant + lus);
            if (!bon) {
                issue = lecturefichier::illisible;
                break;
            }
            if (lus == 0) break;
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
        // Read in place, a first piece the size the file says (and one byte
        // to see its end), the next ones in pieces.
        std::size_t voulu = std::min(max, static_cast<std::size_t>(s.st_size) + 1);
        while (out.size() < max) {
            const std::size_t avant = out.size();
            out.resize(avant + voulu);
            const ssize_t n = ::read(fd, out.data() + avant, voulu);
            out.resize(avant + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                issue = lecturefichier::illisible;
                break;
            }
            if (n == 0) break;
            voulu = std::min(morceau, max - out.size());
        }
    }
    ::close(fd);
    if (issue != lecturefichier::lu) out.clear();
    return issue;
}

#endif
