// show_message_box and its test answerer.
#include "platform/messagebox/message_box.h"

namespace vora::platform {

namespace {
std::function<int(const MessageBoxQuestion&)>& answerer() {
    static std::function<int(const MessageBoxQuestion&)> a;
    return a;
}
} // namespace

int show_message_box(HWND owner, const char* text, const char* caption, UINT type) {
    if (answerer())
        return answerer()(MessageBoxQuestion{owner, text != nullptr ? text : "",
                                             caption != nullptr ? caption : "", type});
    return MessageBoxA(owner, text, caption, type);
}

void set_message_box_answerer(std::function<int(const MessageBoxQuestion&)> a) {
    answerer() = std::move(a);
}

} // namespace vora::platform
