// showMessageBox and its test answerer.
#include "platform/messagebox/message_box.h"

namespace vora::platform {

namespace {
std::function<int(const MessageBoxQuestion&)>& answerer() {
    static std::function<int(const MessageBoxQuestion&)> a;
    return a;
}
} // namespace

int showMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (answerer())
        return answerer()(MessageBoxQuestion{owner, text != nullptr ? text : "",
                                             caption != nullptr ? caption : "", type});
    return MessageBoxA(owner, text, caption, type);
}

void setMessageBoxAnswerer(std::function<int(const MessageBoxQuestion&)> a) {
    answerer() = std::move(a);
}

} // namespace vora::platform
