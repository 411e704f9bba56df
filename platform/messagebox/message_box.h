// The one function through which the game opens its message boxes, and the
// hook by which tests answer them instead of a user, on Windows and on the
// platform layer alike.
#pragma once

#include "platform/win32.h"

#include <functional>
#include <string>

namespace vora::platform {

// What a message box asks: the arguments of MessageBoxA (texts Windows-1252).
struct MessageBoxQuestion {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type; // MB_ flags
};

// Opens a modal message box (MessageBoxA) and returns the identifier of the
// button chosen (IDYES, IDNO, IDOK, IDCANCEL, ...), or 0 when the box could
// not be opened. While a test answerer is set, no box opens: the answerer's
// result is returned at once.
int show_message_box(HWND owner, const char* text, const char* caption, UINT type);

// The language of the boxes' buttons from now on: French ("Oui", "Non",
// "Annuler", ...) or English, so that they match the text the game gives.
// Each button answers its underlined letter (O and N in French, Y and N in
// English), Windows' own boxes included, whatever the system's language.
void set_message_box_language(bool french);

// The caption of button id (IDOK, IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY,
// IDIGNORE) in a language, "&" before the letter that chooses it.
const char* message_box_button_caption(int id, bool french);

// For tests (not an option of the game): answers every box opened through
// show_message_box with the answerer's result; an empty function gives the
// boxes back to the user.
void set_message_box_answerer(std::function<int(const MessageBoxQuestion&)> answerer);

} // namespace vora::platform
