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

// For tests (not an option of the game): answers every box opened through
// show_message_box with the answerer's result; an empty function gives the
// boxes back to the user.
void set_message_box_answerer(std::function<int(const MessageBoxQuestion&)> answerer);

} // namespace vora::platform
