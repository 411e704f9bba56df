// Text files: opening, line input, CR LF output, file-system helpers.
#include "foundation/textfile.h"

#include <string>

void gdfileclose::operator()(std::FILE* f) const noexcept {
    if (f) std::fclose(f);
}

namespace {

bool openmode(gdfile& file, const char* path, const char* mode) {
    file.reset();
    if (path) file.reset(std::fopen(path, mode));
    return file != nullptr;
}

} // namespace

bool openin(gdfile& file, const char* path, bool& eof) {
    bool ok = openmode(file, path, "rb");
    eof = !ok;
    return ok;
}

bool openout(gdfile& file, const char* path) {
    return openmode(file, path, "wb");
}

bool openap(gdfile& file, const char* path) {
    return openmode(file, path, "ab");
}

heaptext heaplinput(std::FILE* f, bool& eof) {
    std::string line;
    line.reserve(120);
    bool any = false;
    if (f) {
        for (int c; (c = std::getc(f)) != EOF;) {
            any = true;
            if (c == '\n' || c == '\r') {
                int next = std::getc(f);
                if (next != EOF && next != c && (next == '\n' || next == '\r')) break;
                if (next != EOF) std::ungetc(next, f);
                break;
            }
            line.push_back(static_cast<char>(c));
        }
    }
    eof = !any;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return heapnew(line.c_str());
}

void ecriligne(std::FILE* f, const char* a, const char* b, const char* c, const char* d) {
    if (!f) return;
    for (const char* p : {a, b, c, d})
        if (p) std::fputs(p, f);
    ecricrlf(f);
}

void ecricrlf(std::FILE* f) {
    if (f) std::fputs("\r\n", f);
}

bool fichexiste(const char* path) {
    gdfile f;
    return openmode(f, path, "rb");
}

bool fikill(const char* path) {
    return path && std::remove(path) == 0;
}

long long gdlof(const char* path) {
    gdfile f;
    if (!openmode(f, path, "rb")) return -1;
    if (std::fseek(f.get(), 0, SEEK_END) != 0) return -1;
    return std::ftell(f.get());
}
