// Message boxes of the shell.
#include "shell/boites.h"

#include "platform/messagebox/message_box.h"
#include "shell/core/createmsg.h"

void textemessage(gstring& out, short number, short langue, bool ronds, const char* a,
                  const char* b) {
    createmsg(&out, number, langue, a, b, ronds);
}

int boitetexte(HWND proprietaire, const char* text, const char* caption, UINT type) {
    return vora::platform::show_message_box(proprietaire, text, caption, type | MB_SYSTEMMODAL);
}

void languedesboites(short langue) {
    vora::platform::set_message_box_language(langue != langueanglais);
}
