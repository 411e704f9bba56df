// The parameter file's line rules shared by its reader and its damage test.
#include "shell/core/lignesparam.h"

#include "foundation/textcompare.h"

std::vector<std::string_view> decoupelignes(std::string_view content) {
    std::vector<std::string_view> lignes;
    size_t i = 0;
    while (i < content.size()) {
        size_t fin = content.find_first_of("\r\n", i);
        if (fin == std::string_view::npos) fin = content.size();
        lignes.push_back(content.substr(i, fin - i));
        i = fin + 1;
        if (fin < content.size() && content[fin] == '\r' && i < content.size() &&
            content[i] == '\n')
            ++i;
    }
    return lignes;
}

bool blancparam(char c) {
    return c == ' ' || c == '\t';
}

std::string_view sansblancsparam(std::string_view s) {
    while (!s.empty() && blancparam(s.front())) s.remove_prefix(1);
    while (!s.empty() && blancparam(s.back())) s.remove_suffix(1);
    return s;
}

bool ligneusr(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && blancparam(line[i])) ++i;
    if (line.size() - i < 3 || carminu(line[i]) != 'u' || carminu(line[i + 1]) != 's' ||
        carminu(line[i + 2]) != 'r')
        return false;
    i += 3;
    while (i < line.size() && blancparam(line[i])) ++i;
    return i < line.size() && line[i] == '=';
}

bool octetinterdit(unsigned char c) {
    return c < 32 && c != '\t' && c != '\r' && c != '\n' && c != 26;
}

std::string ligneusrgardee(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    std::string l;
    l.reserve(line.size());
    for (const char c : line)
        if (!octetinterdit(static_cast<unsigned char>(c))) l += c;
    while (!l.empty() && blancparam(l.back())) l.pop_back();
    return l;
}
