// lichavo: ordered list of owned texts.
#include "foundation/lichavo.h"

#include "foundation/textcompare.h"
#include "foundation/textcut.h"
#include "foundation/textfile.h"
#include "foundation/textjoin.h"
#include "foundation/textreplace.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace {

heaptext nonnull(heaptext buf) {
    return buf.isnull() ? heapnewvide() : std::move(buf);
}

// 1-based index of the 0-based position k, or 0 when it does not fit 16 bits.
short indexof(std::size_t k) {
    return k < static_cast<std::size_t>(maxtextlen) ? static_cast<short>(k + 1) : 0;
}

} // namespace

short lichavo::quigrand(const char* a, const char* b) const {
    return plusgrandselon(trimode, a, b);
}

void lichavo::pinsert(const char* text) {
    zinsert(dup(text));
}

void lichavo::zinsert(heaptext buf) {
    buf = nonnull(std::move(buf));
    auto at = std::find_if(items.begin(), items.end(), [&](const heaptext& item) {
        return quigrand(buf.adr(), item.adr()) != 1;
    });
    items.insert(at, std::move(buf));
}

bool lichavo::pinsertone(const char* text) {
    if (trouvexact(text) != 0) return false;
    pinsert(text);
    return true;
}

bool lichavo::zinsertone(heaptext buf) {
    if (trouvexact(buf.text()) != 0) return false;
    zinsert(std::move(buf));
    return true;
}

void lichavo::pinsert(short i, const char* text) {
    zinsert(i, dup(text));
}

void lichavo::zinsert(short i, heaptext buf) {
    std::size_t at = i <= 1 ? 0 : std::min(static_cast<std::size_t>(i - 1), items.size());
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), nonnull(std::move(buf)));
}

void lichavo::padd(const char* a, const char* b, const char* c) {
    items.push_back(heapnew(a, b, c));
}

void lichavo::paddvide() {
    items.push_back(heapnewvide());
}

void lichavo::zadd(heaptext buf) {
    items.push_back(nonnull(std::move(buf)));
}

bool lichavo::paddone(const char* text) {
    if (trouvexact(text) != 0) return false;
    padd(text);
    return true;
}

bool lichavo::zaddone(heaptext buf) {
    if (trouvexact(buf.text()) != 0) return false;
    zadd(std::move(buf));
    return true;
}

void lichavo::ppush(const char* text) {
    items.insert(items.begin(), dup(text));
}

void lichavo::zpush(heaptext buf) {
    items.insert(items.begin(), nonnull(std::move(buf)));
}

heaptext lichavo::pop() {
    if (items.empty()) return heapnewvide();
    heaptext first = std::move(items.front());
    items.erase(items.begin());
    return first;
}

void lichavo::gpopto(gstring& g) {
    g.affect(pop());
}

void lichavo::xpopto(std::span<char> buf) {
    heaptext first = pop();
    composer(buf, first.adr(), nullptr);
}

void lichavo::kill(short i) {
    if (adr(i)) items.erase(items.begin() + (i - 1));
}

void lichavo::killast() {
    if (!items.empty()) items.pop_back();
}

void lichavo::clear() {
    items.clear();
}

void lichavo::scratch() {
    items.clear();
    items.shrink_to_fit();
}

char* lichavo::adr(short i) {
    if (i < 1 || static_cast<std::size_t>(i) > items.size()) return nullptr;
    return items[static_cast<std::size_t>(i - 1)].adr();
}

const char* lichavo::adr(short i) const {
    if (i < 1 || static_cast<std::size_t>(i) > items.size()) return nullptr;
    return items[static_cast<std::size_t>(i - 1)].adr();
}

void lichavo::modif(short i, const char* text) {
    if (adr(i)) items[static_cast<std::size_t>(i - 1)] = dup(text);
}

void lichavo::swap(short i, short j) {
    if (adr(i) && adr(j))
        std::swap(items[static_cast<std::size_t>(i - 1)], items[static_cast<std::size_t>(j - 1)]);
}

void lichavo::ltrim(short i) {
    gdltrim(adr(i));
}

void lichavo::rtrim(short i) {
    gdrtrim(adr(i));
}

void lichavo::replaceall(short i, const char* old, const char* nouv) {
    if (adr(i)) heapreplaceall(items[static_cast<std::size_t>(i - 1)], old, nouv);
}

void lichavo::replaceone(short i, const char* old, const char* nouv) {
    if (adr(i)) heapreplaceone(items[static_cast<std::size_t>(i - 1)], old, nouv);
}

void lichavo::padding(short i, short n) {
    if (!adr(i)) return;
    gstring g(adr(i));
    g.padding(n);
    items[static_cast<std::size_t>(i - 1)] = g.gdup();
}

short lichavo::trouvexact(const char* text) const {
    for (std::size_t k = 0; k < items.size(); ++k)
        if (strugal(items[k].adr(), text)) return indexof(k);
    return 0;
}

short lichavo::trouvedeb(const char* text) const {
    for (std::size_t k = 0; k < items.size(); ++k)
        if (debuli(items[k].adr(), text)) return indexof(k);
    return 0;
}

void lichavo::trialpha() {
    std::vector<heaptext> old = std::exchange(items, {});
    for (heaptext& item : old) zinsert(std::move(item));
}

bool lichavo::tribon() const {
    for (std::size_t k = 0; k + 1 < items.size(); ++k)
        if (quigrand(items[k].adr(), items[k + 1].adr()) == 1) return false;
    return true;
}

void lichavo::inversion() {
    std::reverse(items.begin(), items.end());
}

void lichavo::inversion(short a, short b) {
    int from = std::max<int>(a, 1), to = std::min<int>(b, static_cast<int>(items.size()));
    if (from < to) std::reverse(items.begin() + (from - 1), items.begin() + to);
}

void lichavo::killvides() {
    std::erase_if(items, [](const heaptext& item) { return item.adr()[0] == 0; });
}

void lichavo::killdoubles() {
    for (std::size_t k = items.size(); k-- > 1;)
        if (strugal(items[k].adr(), items[k - 1].adr()))
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(k));
}

void lichavo::maxunevide() {
    for (std::size_t k = items.size(); k-- > 1;)
        if (items[k].adr()[0] == 0 && items[k - 1].adr()[0] == 0)
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(k));
}

bool lichavo::parunekill(const std::function<bool(gstring&)>& fn) {
    bool removed = false;
    for (std::size_t k = items.size(); k-- > 0;) {
        gstring g(items[k].adr());
        bool kill = fn(g);
        if (k >= items.size()) continue; // fn changed this list
        if (kill) {
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(k));
            removed = true;
        } else {
            items[k] = g.gdup();
        }
    }
    return removed;
}

void lichavo::parunekeepdec(const std::function<void(gstring&)>& fn) {
    for (std::size_t k = items.size(); k-- > 0;) {
        gstring g(items[k].adr());
        fn(g);
        if (k < items.size()) items[k] = g.gdup();
    }
}

void lichavo::parunekeepcroi(const std::function<void(gstring&)>& fn) {
    for (std::size_t k = 0; k < items.size(); ++k) {
        gstring g(items[k].adr());
        fn(g);
        if (k < items.size()) items[k] = g.gdup();
    }
}

bool lichavo::pardeuxkill(const std::function<short(gstring&, gstring&)>& fn) {
    bool removed = false;
    for (std::size_t k = items.size() < 2 ? 0 : items.size() - 1; k-- > 0;) {
        if (k + 1 >= items.size()) continue; // pairs shrank under a removal
        gstring first(items[k].adr()), second(items[k + 1].adr());
        short code = fn(first, second);
        if (k + 1 >= items.size()) continue; // fn changed this list
        auto at = items.begin() + static_cast<std::ptrdiff_t>(k);
        switch (code) {
        case 1:
            items[k + 1] = second.gdup();
            items.erase(at);
            removed = true;
            break;
        case 2:
            items[k] = first.gdup();
            items.erase(at + 1);
            removed = true;
            break;
        case 3:
            items.erase(at, at + 2);
            removed = true;
            break;
        default:
            items[k] = first.gdup();
            items[k + 1] = second.gdup();
        }
    }
    return removed;
}

void lichavo::pardeuxkeep(const std::function<void(gstring&, gstring&)>& fn) {
    for (std::size_t k = items.size() < 2 ? 0 : items.size() - 1; k-- > 0;) {
        gstring first(items[k].adr()), second(items[k + 1].adr());
        fn(first, second);
        if (k + 1 >= items.size()) continue;
        items[k] = first.gdup();
        items[k + 1] = second.gdup();
    }
}

void lichavo::mergeclean(lichavo& other) {
    if (&other == this) return;
    for (heaptext& item : other.items) items.push_back(std::move(item));
    other.items.clear();
}

void lichavo::mergekeep(const lichavo& other) {
    std::size_t n = other.items.size();
    for (std::size_t k = 0; k < n; ++k) items.push_back(dup(other.items[k].adr()));
}

void lichavo::moveitemto(lichavo& other, short i) {
    if (!adr(i)) return;
    auto at = items.begin() + (i - 1);
    heaptext item = std::move(*at);
    items.erase(at);
    other.items.push_back(std::move(item));
}

void lichavo::swapwith(lichavo& other) noexcept {
    items.swap(other.items);
}

void swaplicha(lichavo& a, lichavo& b) noexcept {
    a.swapwith(b);
}

short lichavo::effectif() const {
    return saturlen(items.size());
}

short lichavo::pluslongue() const {
    std::size_t longest = 0;
    for (const heaptext& item : items) longest = std::max(longest, item.size());
    return saturlen(longest);
}

short lichavo::totalong(short extra) const {
    long long total = 0;
    for (const heaptext& item : items) total += static_cast<long long>(item.size()) + extra;
    return static_cast<short>(std::clamp<long long>(total, -32768, maxtextlen));
}

void lichavo::movetogstring(gstring& g) {
    copytogstring(g);
    items.clear();
}

void lichavo::copytogstring(gstring& g) const {
    std::string all;
    for (const heaptext& item : items) {
        all += item.adr();
        all += ',';
    }
    g.set(all.c_str());
}

void lichavo::setfromgskill(gstring& g) {
    // One pass that gives the words depilemot would pop one by one, without
    // shifting the rest of a long text after every word.
    items.clear();
    const char* p = g.adr();
    while (*p != 0) {
        const char* end = std::strchr(p, ',');
        const char* stop = end ? end : p + std::strlen(p);
        const char* from = p;
        while (from < stop && *from == ' ') ++from;
        while (stop > from && stop[-1] == ' ') --stop;
        heaptext word = heaptext::allocate(static_cast<std::size_t>(stop - from));
        std::memcpy(word.adr(), from, static_cast<std::size_t>(stop - from));
        items.push_back(std::move(word));
        if (!end) break;
        p = end + 1;
        while (*p == ' ') ++p;
    }
    g.clear();
}

void lichavo::setfromgskeep(const gstring& g) {
    setfromgskeep(g.adr());
}

void lichavo::setfromgskeep(const char* text) {
    gstring copy(text);
    setfromgskill(copy);
}

namespace {

void addlines(lichavo& list, const char* path, bool keepempty) {
    gdfile f;
    bool eof = false;
    if (!openin(f, path, eof)) return;
    for (;;) {
        heaptext line = heaplinput(f.get(), eof);
        if (eof) break;
        if (keepempty || line.adr()[0] != 0) list.zadd(std::move(line));
    }
}

} // namespace

void lichavo::addfromfilebkill(const char* path) {
    addlines(*this, path, false);
}

void lichavo::addfromfilebkeep(const char* path) {
    addlines(*this, path, true);
}

void lichavo::poptofile(std::FILE* f) {
    if (items.empty()) return;
    heaptext first = pop();
    ecriligne(f, first.adr());
}

void lichavo::movetofile(std::FILE* f) {
    copyaddtofile(f);
    items.clear();
}

void lichavo::movetofile(const char* path) {
    gdfile f;
    if (openout(f, path)) movetofile(f.get());
}

void lichavo::copyaddtofile(std::FILE* f) const {
    for (const heaptext& item : items) ecriligne(f, item.adr());
}

void lichavo::copycreafile(const char* path) const {
    gdfile f;
    if (openout(f, path)) copyaddtofile(f.get());
}
