// Measures texts in the faces and sizes the game uses, with GetTextExtentPoint32A
// on a memory DC, and writes one line per measure to the file its command line
// names ("font_widths.out" by default): face, weight, height, width, text, then
// the extent "cx cy". Built for Windows and for the layer, so that the two
// builds' measures can be compared (scripts/windows-test.sh).
#include "platform/win32.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

void measure(FILE* out, HDC dc, const char* face, int weight, int height, int width,
             const char* text) {
    HFONT font =
        CreateFontA(height, width, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    std::fprintf(out, "%s|%d|%d|%d|%s|%ld %ld\n", face, weight, height, width, text,
                 static_cast<long>(size.cx), static_cast<long>(size.cy));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const char* path =
        commandLine != nullptr && commandLine[0] != '\0' ? commandLine : "font_widths.out";
    FILE* out = std::fopen(path, "w");
    if (out == nullptr) return 1;
    HDC dc = CreateCompatibleDC(nullptr);
    const char* faces[] = {"Arial", "Times New Roman", "Helvetica"};
    const char* texts[] = {"123456", "the quick brown fox jumps over the lazy dog",
                           "Chargement de la grille...", "WWW iii MMM"};
    struct Size {
        int height;
        int width;
    };
    const Size sizes[] = {{16, 5}, {24, 8}, {22, 11}, {40, 20}};
    for (const char* face : faces)
        for (int weight : {FW_NORMAL, FW_BOLD}) {
            for (const Size& s : sizes)
                for (const char* text : texts)
                    measure(out, dc, face, weight, s.height, s.width, text);
            // The pencil marks: size / 4 by size / 8 for the cell sizes 40 to 70.
            for (int size = 40; size <= 70; size += 5)
                measure(out, dc, face, weight, size / 4, size / 8, "123456");
        }
    DeleteDC(dc);
    std::fclose(out);
    return 0;
}
