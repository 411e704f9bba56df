// Input: SDL events turned into window messages. Mouse messages go to the
// window under the pointer (or the control holding the capture) with client
// coordinates; presses on the layer-drawn caption drag the window or work its
// boxes; keys go to the focus window. Also GetAsyncKeyState.
#include "platform/user_internal.h"
#include "platform/user_x11.h"

#include <cstring>

namespace vora::platform::user {

namespace {

bool realDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, "x11") == 0;
}

// Asks the display where the pointer is; keeps `p` off X11.
void pointerFromDisplay(POINT& p) {
    Window* w = find(state().frame.window);
    if (w == nullptr && !state().topLevels.empty()) w = find(state().topLevels.front());
    if (w != nullptr) x11::pointerPosition(w->sdl, p.x, p.y);
}

HWND windowFromSdlId(Uint32 id) {
    SDL_Window* sdl = SDL_GetWindowFromID(id);
    if (sdl == nullptr) return nullptr;
    auto handle = static_cast<HWND>(SDL_GetWindowData(sdl, "vora-hwnd"));
    return find(handle) != nullptr ? handle : nullptr;
}

POINT globalPoint(Uint32 windowId, int x, int y) {
    if (Window* w = find(windowFromSdlId(windowId)))
        return POINT{w->rect.left + x, w->rect.top + y};
    return state().cursor;
}

void setKey(int vk, bool down) {
    if (vk <= 0 || vk > 255) return;
    State& s = state();
    if (down && s.keyDown[vk] == 0) s.keyPressed[vk] = 1;
    s.keyDown[vk] = down ? 1 : 0;
}

int mouseButtonKey(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return VK_LBUTTON;
    case SDL_BUTTON_RIGHT:
        return VK_RBUTTON;
    case SDL_BUTTON_MIDDLE:
        return VK_MBUTTON;
    default:
        return 0;
    }
}

// Keeps the key table and the pointer position as of the newest event.
void noteInputState(const SDL_Event& e) {
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        setKey(virtualKeyFor(e.key.keysym), e.type == SDL_KEYDOWN);
        setKey(sidedVirtualKeyFor(e.key.keysym.scancode), e.type == SDL_KEYDOWN);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        setKey(mouseButtonKey(e.button.button), e.type == SDL_MOUSEBUTTONDOWN);
        state().cursor = globalPoint(e.button.windowID, e.button.x, e.button.y);
        break;
    case SDL_MOUSEMOTION:
        state().cursor = globalPoint(e.motion.windowID, e.motion.x, e.motion.y);
        break;
    default:
        break;
    }
}

WPARAM mouseKeyFlags() {
    const State& s = state();
    WPARAM flags = 0;
    if (s.keyDown[VK_LBUTTON] != 0) flags |= MK_LBUTTON;
    if (s.keyDown[VK_RBUTTON] != 0) flags |= MK_RBUTTON;
    if (s.keyDown[VK_MBUTTON] != 0) flags |= MK_MBUTTON;
    if (s.keyDown[VK_SHIFT] != 0) flags |= MK_SHIFT;
    if (s.keyDown[VK_CONTROL] != 0) flags |= MK_CONTROL;
    return flags;
}

bool isPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

void activate(HWND top) {
    State& s = state();
    if (IsWindowEnabled(top) && s.focus != top && !isDescendant(s.focus, top)) SetFocus(top);
}

// The deepest visible child under the screen point; a disabled child leaves
// the message to its parent.
HWND childAt(HWND window, POINT global) {
    Window* w = find(window);
    if (w == nullptr) return window;
    for (HWND child : w->children) {
        Window* c = find(child);
        RECT r{};
        if (c == nullptr || !c->visible || isMouseTransparent(*c) || !GetWindowRect(child, &r))
            continue;
        if (global.x < r.left || global.x >= r.right || global.y < r.top || global.y >= r.bottom)
            continue;
        if ((c->style & WS_DISABLED) != 0) return window;
        return childAt(child, global);
    }
    return window;
}

void deliver(HWND target, UINT message, POINT global, bool captured) {
    if (!captured) {
        SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                     MAKELPARAM(HTCLIENT, message));
        if (find(target) == nullptr) return;
    }
    POINT client = global;
    ScreenToClient(target, &client);
    State& s = state();
    s.posted.push_back(MSG{target, message, s.eventKeyFlags, MAKELPARAM(client.x, client.y),
                           GetTickCount(), global});
}

void trackFrame(UINT message, POINT global) {
    State& s = state();
    FrameTrack track = s.frame;
    Window* top = find(track.window);
    if (top == nullptr) {
        s.frame = FrameTrack{};
        return;
    }
    if (track.hit == HTCAPTION) {
        if (message == WM_MOUSEMOVE && (global.x - track.grab.x != top->rect.left ||
                                        global.y - track.grab.y != top->rect.top)) {
            RECT r{global.x - track.grab.x, global.y - track.grab.y, 0, 0};
            r.right = r.left + (top->rect.right - top->rect.left);
            r.bottom = r.top + (top->rect.bottom - top->rect.top);
            SendMessageA(track.window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
            SetWindowPos(track.window, nullptr, r.left, r.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else if (message == WM_LBUTTONUP) {
            s.frame = FrameTrack{};
        }
        return;
    }
    if (message != WM_LBUTTONUP) return;
    POINT p{global.x - top->rect.left, global.y - top->rect.top};
    int hit = hitTestFrame(*top, p);
    s.frame = FrameTrack{};
    markPresent(track.window);
    if (hit == track.hit)
        SendMessageA(track.window, WM_SYSCOMMAND, hit == HTCLOSE ? SC_CLOSE : SC_MINIMIZE, 0);
}

void handleMouse(Uint32 windowId, int x, int y, UINT message) {
    State& s = state();
    HWND topHandle = windowFromSdlId(windowId);
    POINT global = globalPoint(windowId, x, y);
    if (s.frame.window != nullptr) {
        // While the window moves under the pointer, only the display knows
        // where the pointer really is.
        if (realDisplay() && s.frame.hit == HTCAPTION)
            SDL_GetGlobalMouseState(&global.x, &global.y);
        trackFrame(message, global);
        return;
    }
    if (s.capture != nullptr) {
        deliver(s.capture, message, global, true);
        return;
    }
    Window* top = find(topHandle);
    if (top == nullptr || (top->style & WS_DISABLED) != 0) return;
    POINT p{x, y};
    if (!shapeContains(*top, p)) return;
    if (top->iconic && isPress(message)) {
        // Without a window manager a minimised window stays on the screen;
        // a click gives it back.
        restoreFromIconic(topHandle);
        return;
    }
    int hit = hitTestFrame(*top, p);
    if (hit != HTCLIENT) {
        if (message == WM_LBUTTONDOWN &&
            (hit == HTCAPTION || hit == HTCLOSE || hit == HTMINBUTTON)) {
            activate(topHandle);
            s.frame = FrameTrack{topHandle, hit, p};
            markPresent(topHandle);
        } else if (message == WM_MOUSEMOVE) {
            SendMessageA(topHandle, WM_SETCURSOR, reinterpret_cast<WPARAM>(topHandle),
                         MAKELPARAM(hit, message));
        }
        return;
    }
    if (isPress(message)) activate(topHandle);
    deliver(childAt(topHandle, global), message, global, false);
}

void handleKey(const SDL_KeyboardEvent& key) {
    int vk = virtualKeyFor(key.keysym);
    if (vk == 0) return;
    State& s = state();
    HWND top = windowFromSdlId(key.windowID);
    HWND target = nullptr;
    if (Window* w = find(top); w != nullptr && w->role != Role::normal) {
        // A popup that never takes the focus got the keyboard from the
        // display anyway: the keys are the focus window's.
        top = topLevelOf(s.focus);
    }
    if (top != nullptr && IsWindowEnabled(top)) {
        target = (s.focus != nullptr && topLevelOf(s.focus) == top) ? s.focus : top;
    } else if (!s.messageBoxes.empty()) {
        // Keys for a window disabled by a message box reach the box.
        HWND box = s.messageBoxes.back();
        target = (s.focus != nullptr && topLevelOf(s.focus) == box) ? s.focus : box;
    }
    if (target == nullptr) return;
    bool down = key.type == SDL_KEYDOWN;
    DWORD flags = 1u | ((static_cast<DWORD>(key.keysym.scancode) & 0xFFu) << 16);
    if (key.repeat != 0) flags |= 1u << 30;
    if (!down) flags |= (1u << 30) | (1u << 31);
    s.posted.push_back(MSG{target, down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk),
                           static_cast<LPARAM>(flags), GetTickCount(), s.cursor});
}

void handleWindowEvent(const SDL_WindowEvent& e) {
    HWND top = windowFromSdlId(e.windowID);
    Window* w = find(top);
    if (w == nullptr) return;
    State& s = state();
    switch (e.event) {
    case SDL_WINDOWEVENT_EXPOSED:
        w->needsPresent = true;
        break;
    case SDL_WINDOWEVENT_MOVED:
        movedByDisplay(top, e.data1, e.data2);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        if (!w->iconic) CloseWindow(top);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        restoreFromIconic(top);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (w->role != Role::normal) {
            // Give the keyboard back to the window holding the focus.
            if (Window* focus = find(topLevelOf(s.focus));
                focus != nullptr && focus->sdl != nullptr)
                SDL_SetWindowInputFocus(focus->sdl);
        } else if (IsWindowEnabled(top))
            activate(top);
        else if (!s.messageBoxes.empty())
            activate(s.messageBoxes.back());
        break;
    case SDL_WINDOWEVENT_CLOSE:
        if (IsWindowEnabled(top)) SendMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        break;
    }
}

UINT buttonMessage(Uint8 button, bool down) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case SDL_BUTTON_RIGHT:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case SDL_BUTTON_MIDDLE:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
        return 0;
    }
}

} // namespace

void refreshCursorFromDisplay() {
    if (realDisplay()) pointerFromDisplay(state().cursor);
}

bool drainSdlEvents() {
    State& s = state();
    bool any = false;
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        noteInputState(e);
        s.input.push_back(PendingInput{e, mouseKeyFlags()});
        any = true;
    }
    return any;
}

bool followingDrag() {
    const State& s = state();
    return s.frame.window != nullptr && s.frame.hit == HTCAPTION && realDisplay();
}

void followDrag() {
    // SDL reports no motion while the pointer keeps its place in a window
    // that moves with it: the display is asked where the pointer is.
    if (!followingDrag()) return;
    POINT global = state().cursor;
    pointerFromDisplay(global);
    trackFrame(WM_MOUSEMOVE, global);
}

void translateInput() {
    State& s = state();
    while (!s.input.empty()) {
        SDL_Event e = s.input.front().event;
        s.eventKeyFlags = s.input.front().keyFlags;
        s.input.pop_front();
        switch (e.type) {
        case SDL_MOUSEMOTION:
            handleMouse(e.motion.windowID, e.motion.x, e.motion.y, WM_MOUSEMOVE);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (UINT m = buttonMessage(e.button.button, e.type == SDL_MOUSEBUTTONDOWN))
                handleMouse(e.button.windowID, e.button.x, e.button.y, m);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            handleKey(e.key);
            break;
        case SDL_WINDOWEVENT:
            handleWindowEvent(e.window);
            break;
        default:
            break;
        }
    }
}

} // namespace vora::platform::user

using namespace vora::platform::user;

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    if (virtualKey <= 0 || virtualKey > 255) return 0;
    State& s = state();
    if (s.videoReady) drainSdlEvents();
    unsigned result = s.keyDown[virtualKey] != 0 ? 0x8000u : 0u;
    if (s.keyPressed[virtualKey] != 0) result |= 1u;
    s.keyPressed[virtualKey] = 0;
    return static_cast<SHORT>(static_cast<std::uint16_t>(result));
}
