// Test helpers shared by the list tests: a list's texts as a vector, and a list from texts.
#pragma once

#include "foundation/lichavo.h"

#include <string>
#include <vector>

namespace lichavotesting {

using texts = std::vector<std::string>;

// The elements of `l` in order.
inline texts contents(const lichavo& l) {
    texts out;
    for (short i = 1; i <= l.effectif(); ++i) out.push_back(l.adr(i));
    return out;
}

// A list holding copies of `items` in order (sort mode 0).
inline lichavo listof(const texts& items) {
    lichavo l;
    for (const std::string& t : items) l.padd(t.c_str());
    return l;
}

} // namespace lichavotesting
