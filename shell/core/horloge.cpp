// The default monotonic millisecond tick, the local date, and the installed
// sources.
#include "shell/core/horloge.h"

#include <chrono>
#include <ctime>

namespace {

std::uint32_t tickparDefaut() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

// The clock every chronometer of the process reads: process-wide like the
// system's own, so that a test can put a manual one in its place.
sourcetick sourcecourante = tickparDefaut;

std::int32_t dateparDefaut() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &maintenant) != 0) return 0;
#else
    if (localtime_r(&maintenant, &local) == nullptr) return 0;
#endif
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

// The date the best times are noted with, process-wide for the same reason.
sourcedate datecourante = dateparDefaut;

} // namespace

std::uint32_t tickms() {
    return sourcecourante();
}

void fixesourcetick(sourcetick source) {
    sourcecourante = source ? source : tickparDefaut;
}

std::int32_t datedujour() {
    return datecourante();
}

void fixesourcedate(sourcedate source) {
    datecourante = source ? source : dateparDefaut;
}
