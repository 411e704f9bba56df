// claverrouparam: the advisory lock beside the parameter file, on the
// operating system's own calls.
#include "shell/core/verrouparam.h"

#ifdef _WIN32
#include <windows.h> // kernel only: the file and lock calls
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

std::string fichierverrou(const std::string& path) {
    return path + ".lock";
}

claverrouparam::~claverrouparam() {
    rendre();
}

#ifdef _WIN32

claverrouparam::issue claverrouparam::prendre(const std::string& path) {
    rendre();
    // No sharing at all: a second open fails while this handle lives, and
    // the system closes it when the process ends.
    HANDLE h = CreateFileA(fichierverrou(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? issue::occupe : issue::impossible;
    poignee = h;
    return issue::tenu;
}

void claverrouparam::rendre() {
    if (poignee != nullptr) CloseHandle(static_cast<HANDLE>(poignee));
    poignee = nullptr;
}

#else

claverrouparam::issue claverrouparam::prendre(const std::string& path) {
    rendre();
    const int f =
        ::open(fichierverrou(path).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (f < 0) return issue::impossible;
    int r = 0;
    do {
        r = ::flock(f, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        const bool occupe = errno == EWOULDBLOCK;
        ::close(f);
        return occupe ? issue::occupe : issue::impossible;
    }
    fd = f;
    return issue::tenu;
}

void claverrouparam::rendre() {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

#endif
