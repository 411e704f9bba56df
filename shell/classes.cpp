// The registry of the window classes this process registered.
#include "shell/classes.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The names registered so far. Process-wide like the classes themselves: a
// game started again in the same process finds its classes there.
std::vector<std::string>& inscrites() {
    static std::vector<std::string> noms;
    return noms;
}

} // namespace

bool classeinscrite(const char* nom) {
    const std::vector<std::string>& n = inscrites();
    return std::find(n.begin(), n.end(), nom) != n.end();
}

bool inscritclasse(const WNDCLASSEXA& c) {
    if (classeinscrite(c.lpszClassName)) return true;
    if (RegisterClassExA(&c) == 0) return false;
    inscrites().emplace_back(c.lpszClassName);
    return true;
}
