// claverrouparam: the advisory lock beside the parameter file, on the
// operating system's own calls, and the repair of a lock file's name that
// something else holds.
#include "shell/core/verrouparam.h"

#ifdef _WIN32
#include <windows.h> // kernel only: the file and lock calls
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::string fichierverrou(const std::string& path) {
    return path + ".lock";
}

claverrouparam::~claverrouparam() {
    rendre();
}

#ifdef _WIN32

namespace {

// No sharing at all: a second open fails while this handle lives, and the
// system closes it when the process ends.
HANDLE ouvreverrou(const std::string& nom, DWORD creation) {
    return CreateFileA(nom.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, creation,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Remove what holds the lock file's name: an empty directory (or a link to
// one), a file, read-only or not. A lock file held open by another copy
// cannot be removed.
bool retire(const std::string& nom) {
    const DWORD a = GetFileAttributesA(nom.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if ((a & FILE_ATTRIBUTE_DIRECTORY) != 0) return RemoveDirectoryA(nom.c_str()) != 0;
    if ((a & FILE_ATTRIBUTE_READONLY) != 0) SetFileAttributesA(nom.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(nom.c_str()) != 0;
}

} // namespace

claverrouparam::issue claverrouparam::prendre(const std::string& path) {
    rendre();
    const std::string nom = fichierverrou(path);
    HANDLE h = ouvreverrou(nom, OPEN_ALWAYS);
    if (h == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_SHARING_VIOLATION) return issue::occupe;
        if (!retire(nom)) return issue::impossible;
        h = ouvreverrou(nom, CREATE_NEW);
        // Made by another copy in the meantime: taken like any lock file.
        if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
            h = ouvreverrou(nom, OPEN_EXISTING);
        if (h == INVALID_HANDLE_VALUE)
            return GetLastError() == ERROR_SHARING_VIOLATION ? issue::occupe : issue::impossible;
    }
    poignee = h;
    return issue::tenu;
}

void claverrouparam::rendre() {
    if (poignee != nullptr) CloseHandle(static_cast<HANDLE>(poignee));
    poignee = nullptr;
}

#else

namespace {

// A descriptor closed when it goes, unless given away.
class descripteur {
public:
    explicit descripteur(int f) : fd(f) {}
    ~descripteur() {
        if (fd >= 0) ::close(fd);
    }
    descripteur(const descripteur&) = delete;
    descripteur& operator=(const descripteur&) = delete;
    int get() const { return fd; }
    int cede() {
        const int f = fd;
        fd = -1;
        return f;
    }

private:
    int fd;
};

constexpr int ouverture = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Whether f is a lock file: a regular file of this user.
bool estverrou(int f) {
    struct stat s {};
    return ::fstat(f, &s) == 0 && S_ISREG(s.st_mode) && s.st_uid == ::geteuid();
}

// The lock file at nom opened when it is one (flock needs no write access),
// -1 otherwise.
int ouvreexistant(const std::string& nom) {
    descripteur f(::open(nom.c_str(), ouverture));
    return f.get() >= 0 && estverrou(f.get()) ? f.cede() : -1;
}

int flocksansattendre(int f, int operation) {
    int r = 0;
    do {
        r = ::flock(f, operation | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    return r;
}

// The folder that holds nom, locked while a repair runs; -1 when it cannot
// be opened or another repair keeps it for more than about a second.
int verrouilledossier(const std::string& nom) {
    const size_t barre = nom.find_last_of('/');
    const std::string dossier = barre == std::string::npos ? "." : nom.substr(0, barre + 1);
    descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.get() < 0) return -1;
    for (int essai = 0; essai < 100; ++essai) {
        if (flocksansattendre(d.get(), LOCK_EX) == 0) return d.cede();
        if (errno != EWOULDBLOCK) return -1;
        ::usleep(10 * 1000);
    }
    return -1;
}

// What holds nom is no lock file: removed (a link, a FIFO, a file of another
// user, an empty directory), then the lock file made anew under a name that
// does not exist. Made under the folder's lock: every copy that repairs sees
// the name as the last repair left it, and none ever removes a lock file.
// The lock file's descriptor, or -1.
int refaitverrou(const std::string& nom) {
    const descripteur dossier(verrouilledossier(nom));
    if (dossier.get() < 0) return -1;
    struct stat s {};
    if (::lstat(nom.c_str(), &s) == 0) {
        if (S_ISREG(s.st_mode) && s.st_uid == ::geteuid()) return ouvreexistant(nom);
        if ((S_ISDIR(s.st_mode) ? ::rmdir(nom.c_str()) : ::unlink(nom.c_str())) != 0) return -1;
    } else if (errno != ENOENT) {
        return -1;
    }
    const int f = ::open(nom.c_str(), ouverture | O_CREAT | O_EXCL, 0666);
    // A copy that found the name free made it in the meantime.
    if (f < 0 && errno == EEXIST) return ouvreexistant(nom);
    return f;
}

} // namespace

claverrouparam::issue claverrouparam::prendre(const std::string& path) {
    rendre();
    const std::string nom = fichierverrou(path);
    int f = ::open(nom.c_str(), ouverture | O_CREAT, 0666);
    if (f >= 0 && !estverrou(f)) {
        ::close(f);
        f = -1;
    }
    if (f < 0) f = refaitverrou(nom);
    if (f < 0) return issue::impossible;
    descripteur verrou(f);
    if (flocksansattendre(f, LOCK_EX) != 0)
        return errno == EWOULDBLOCK ? issue::occupe : issue::impossible;
    fd = verrou.cede();
    return issue::tenu;
}

void claverrouparam::rendre() {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

#endif
