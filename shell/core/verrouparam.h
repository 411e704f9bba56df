// The lock that keeps a second copy of the game away from a parameter file
// that a running copy uses: an advisory lock on a file beside it, which the
// operating system drops when the process ends, however it ends.
#pragma once

#include <string>

// The lock file of the parameter file at path: path + ".lock". It stays in
// the directory after the game ends; only an open, locked handle on it
// counts.
std::string fichierverrou(const std::string& path);

// One hold on a parameter file's lock, given back when the object goes.
// Linux: flock on the lock file, a regular file of this user opened without
// following a link. Windows: the lock file opened without sharing. Two holds
// conflict even within one process.
//
// Whatever else holds the lock file's name (a link, a directory, a FIFO, a
// file of another user; Windows: a read-only file or a directory) is stale:
// it is removed and the lock file made anew under a name that no longer
// exists (O_EXCL, CREATE_NEW), so that no link is ever followed. On Linux
// the removal is made holding a lock on the folder, so that two copies
// starting together never both hold a lock (one of them would remove the
// other's file). A lock that still cannot be taken is said so (impossible),
// never taken for one that is not needed.
class claverrouparam {
public:
    enum class issue {
        tenu,      // this object holds the lock
        occupe,    // another holder (another copy of the game) has it
        impossible // the lock file cannot be made (a folder that cannot be
                   // written or does not exist, a directory with files at
                   // its name): nothing is held
    };

    claverrouparam() = default;
    ~claverrouparam();
    claverrouparam(const claverrouparam&) = delete;
    claverrouparam& operator=(const claverrouparam&) = delete;

    // Give back what is held, then try to take the lock of the parameter
    // file at path, without waiting.
    issue prendre(const std::string& path);
    // Give the lock back (nothing when none is held).
    void rendre();

private:
#ifdef _WIN32
    void* poignee = nullptr; // the lock file's HANDLE, null when none
#else
    int fd = -1;
#endif
};
