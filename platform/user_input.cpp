// Input: SDL events turned into window messages. Mouse messages go to the
// window under the pointer (or the control holding the capture) with client
// coordinates; presses on the layer-drawn caption drag the window or work its
// boxes; keys go to the focus window. Also GetAsyncKeyState and GetKeyState.
#include "platform/user_internal.h"
#include "platform/user_x11.h"

#include <cstring>

namespace vora::platform::user {

namespace {

bool real_display() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, "x11") == 0;
}

// Asks the display where the pointer is; keeps `p` off X11.
void pointer_from_display(POINT& p) {
    Window* w = find(state().frame.window);
    if (w == nullptr && !state().top_levels.empty()) w = find(state().top_levels.front());
    if (w != nullptr) x11::pointer_position(w->sdl, p.x, p.y);
}

HWND window_from_sdl_id(Uint32 id) {
    SDL_Window* sdl = SDL_GetWindowFromID(id);
    if (sdl == nullptr) return nullptr;
    auto handle = static_cast<HWND>(SDL_GetWindowData(sdl, "vora-hwnd"));
    return find(handle) != nullptr ? handle : nullptr;
}

POINT global_point(Uint32 window_id, int x, int y) {
    if (Window* w = find(window_from_sdl_id(window_id)))
        return POINT{w->rect.left + x, w->rect.top + y};
    return state().cursor;
}

void set_key(int vk, bool down) {
    if (vk <= 0 || vk > 255) return;
    State& s = state();
    if (down && s.key_down[vk] == 0) s.key_pressed[vk] = 1;
    s.key_down[vk] = down ? 1 : 0;
}

int mouse_button_key(Uint8 button) {
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
void note_input_state(const SDL_Event& e) {
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        set_key(virtual_key_for(e.key.keysym), e.type == SDL_KEYDOWN);
        set_key(sided_virtual_key_for(e.key.keysym.scancode), e.type == SDL_KEYDOWN);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        set_key(mouse_button_key(e.button.button), e.type == SDL_MOUSEBUTTONDOWN);
        state().cursor = global_point(e.button.windowID, e.button.x, e.button.y);
        break;
    case SDL_MOUSEMOTION:
        state().cursor = global_point(e.motion.windowID, e.motion.x, e.motion.y);
        break;
    default:
        break;
    }
}

WPARAM mouse_key_flags() {
    const State& s = state();
    WPARAM flags = 0;
    if (s.key_down[VK_LBUTTON] != 0) flags |= MK_LBUTTON;
    if (s.key_down[VK_RBUTTON] != 0) flags |= MK_RBUTTON;
    if (s.key_down[VK_MBUTTON] != 0) flags |= MK_MBUTTON;
    if (s.key_down[VK_SHIFT] != 0) flags |= MK_SHIFT;
    if (s.key_down[VK_CONTROL] != 0) flags |= MK_CONTROL;
    return flags;
}

bool is_press(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

void activate(HWND top) {
    State& s = state();
    if (IsWindowEnabled(top) && s.focus != top && !is_descendant(s.focus, top)) SetFocus(top);
}

// The deepest visible child under the screen point; a disabled child leaves
// the message to its parent.
HWND child_at(HWND window, POINT global) {
    Window* w = find(window);
    if (w == nullptr) return window;
    for (HWND child : w->children) {
        Window* c = find(child);
        RECT r{};
        if (c == nullptr || !c->visible || is_mouse_transparent(*c) || !GetWindowRect(child, &r))
            continue;
        if (global.x < r.left || global.x >= r.right || global.y < r.top || global.y >= r.bottom)
            continue;
        if ((c->style & WS_DISABLED) != 0) return window;
        return child_at(child, global);
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
    s.posted.push_back(MSG{target, message, s.event_key_flags, MAKELPARAM(client.x, client.y),
                           GetTickCount(), global});
}

void track_frame(UINT message, POINT global) {
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
    int hit = hit_test_frame(*top, p);
    s.frame = FrameTrack{};
    mark_present(track.window);
    if (hit == track.hit)
        SendMessageA(track.window, WM_SYSCOMMAND, hit == HTCLOSE ? SC_CLOSE : SC_MINIMIZE, 0);
}

void handle_mouse(Uint32 window_id, int x, int y, UINT message) {
    State& s = state();
    HWND top_handle = window_from_sdl_id(window_id);
    POINT global = global_point(window_id, x, y);
    if (s.frame.window != nullptr) {
        // While the window moves under the pointer, only the display knows
        // where the pointer really is.
        if (real_display() && s.frame.hit == HTCAPTION)
            SDL_GetGlobalMouseState(&global.x, &global.y);
        track_frame(message, global);
        return;
    }
    if (s.capture != nullptr) {
        deliver(s.capture, message, global, true);
        return;
    }
    Window* top = find(top_handle);
    if (top == nullptr || (top->style & WS_DISABLED) != 0) return;
    POINT p{x, y};
    if (!shape_contains(*top, p)) return;
    if (top->iconic && is_press(message)) {
        // Without a window manager a minimised window stays on the screen;
        // a click gives it back.
        restore_from_iconic(top_handle);
        return;
    }
    int hit = hit_test_frame(*top, p);
    if (hit != HTCLIENT) {
        if (message == WM_LBUTTONDOWN &&
            (hit == HTCAPTION || hit == HTCLOSE || hit == HTMINBUTTON)) {
            activate(top_handle);
            s.frame = FrameTrack{top_handle, hit, p};
            mark_present(top_handle);
        } else if (message == WM_MOUSEMOVE) {
            SendMessageA(top_handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(top_handle),
                         MAKELPARAM(hit, message));
        }
        return;
    }
    if (is_press(message)) activate(top_handle);
    deliver(child_at(top_handle, global), message, global, false);
}

void handle_key(const SDL_KeyboardEvent& key) {
    int vk = virtual_key_for(key.keysym);
    if (vk == 0) return;
    State& s = state();
    HWND top = window_from_sdl_id(key.windowID);
    HWND target = nullptr;
    if (Window* w = find(top); w != nullptr && w->role != Role::normal) {
        // A popup that never takes the focus got the keyboard from the
        // display anyway: the keys are the focus window's.
        top = top_level_of(s.focus);
    }
    if (top != nullptr && IsWindowEnabled(top)) {
        target = (s.focus != nullptr && top_level_of(s.focus) == top) ? s.focus : top;
    } else if (!s.message_boxes.empty()) {
        // Keys for a window disabled by a message box reach the box.
        HWND box = s.message_boxes.back();
        target = (s.focus != nullptr && top_level_of(s.focus) == box) ? s.focus : box;
    }
    if (target == nullptr) return;
    bool down = key.type == SDL_KEYDOWN;
    DWORD flags = 1u | ((static_cast<DWORD>(key.keysym.scancode) & 0xFFu) << 16);
    if (key.repeat != 0) flags |= 1u << 30;
    if (!down) flags |= (1u << 30) | (1u << 31);
    s.posted.push_back(MSG{target, down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(vk),
                           static_cast<LPARAM>(flags), GetTickCount(), s.cursor});
}

void handle_window_event(const SDL_WindowEvent& e) {
    HWND top = window_from_sdl_id(e.windowID);
    Window* w = find(top);
    if (w == nullptr) return;
    State& s = state();
    switch (e.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    // A size the display applied after the layer presented the window (a
    // popup resized while hidden): its surface, made again at that size,
    // gets the whole picture, not one cut at the former size.
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        w->needs_present = true;
        if (e.event == SDL_WINDOWEVENT_SIZE_CHANGED) sized_by_display(top, e.data1, e.data2);
        break;
    case SDL_WINDOWEVENT_MOVED:
        moved_by_display(top, e.data1, e.data2);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        if (!w->iconic) CloseWindow(top);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        restore_from_iconic(top);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (w->role != Role::normal) {
            // Give the keyboard back to the window holding the focus.
            if (Window* focus = find(top_level_of(s.focus));
                focus != nullptr && focus->sdl != nullptr)
                SDL_SetWindowInputFocus(focus->sdl);
        } else if (IsWindowEnabled(top))
            activate(top);
        else if (!s.message_boxes.empty())
            activate(s.message_boxes.back());
        break;
    case SDL_WINDOWEVENT_CLOSE:
        if (IsWindowEnabled(top)) SendMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    default:
        break;
    }
}

UINT button_message(Uint8 button, bool down) {
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

void refresh_cursor_from_display() {
    if (real_display()) pointer_from_display(state().cursor);
}

bool drain_sdl_events() {
    State& s = state();
    bool any = false;
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        note_input_state(e);
        s.input.push_back(PendingInput{e, mouse_key_flags()});
        any = true;
    }
    return any;
}

bool following_drag() {
    const State& s = state();
    return s.frame.window != nullptr && s.frame.hit == HTCAPTION && real_display();
}

void follow_drag() {
    // SDL reports no motion while the pointer keeps its place in a window
    // that moves with it: the display is asked where the pointer is.
    if (!following_drag()) return;
    POINT global = state().cursor;
    pointer_from_display(global);
    track_frame(WM_MOUSEMOVE, global);
}

void translate_input() {
    State& s = state();
    while (!s.input.empty()) {
        SDL_Event e = s.input.front().event;
        s.event_key_flags = s.input.front().key_flags;
        s.input.pop_front();
        switch (e.type) {
        case SDL_MOUSEMOTION:
            handle_mouse(e.motion.windowID, e.motion.x, e.motion.y, WM_MOUSEMOVE);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (UINT m = button_message(e.button.button, e.type == SDL_MOUSEBUTTONDOWN))
                handle_mouse(e.button.windowID, e.button.x, e.button.y, m);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            handle_key(e.key);
            break;
        case SDL_WINDOWEVENT:
            handle_window_event(e.window);
            break;
        default:
            break;
        }
    }
}

} // namespace vora::platform::user

using namespace vora::platform::user;

SHORT WINAPI GetAsyncKeyState(int virtual_key) {
    if (virtual_key <= 0 || virtual_key > 255) return 0;
    State& s = state();
    if (s.video_ready) drain_sdl_events();
    unsigned result = s.key_down[virtual_key] != 0 ? 0x8000u : 0u;
    if (s.key_pressed[virtual_key] != 0) result |= 1u;
    s.key_pressed[virtual_key] = 0;
    return static_cast<SHORT>(static_cast<std::uint16_t>(result));
}

SHORT WINAPI GetKeyState(int virtual_key) {
    if (virtual_key <= 0 || virtual_key > 255) return 0;
    return state().key_message_down[virtual_key] != 0 ? static_cast<SHORT>(0x8000u) : 0;
}
