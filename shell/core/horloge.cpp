// The default monotonic millisecond tick and the installed source.
#include "shell/core/horloge.h"

#include <chrono>

namespace {

std::uint32_t tickparDefaut() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

sourcetick sourcecourante = tickparDefaut;

} // namespace

std::uint32_t tickms() {
    return sourcecourante();
}

void fixesourcetick(sourcetick source) {
    sourcecourante = source ? source : tickparDefaut;
}
