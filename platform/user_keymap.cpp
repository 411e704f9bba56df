// SDL keys to Win32 virtual-key codes.
#include "platform/user_internal.h"

namespace vora::platform::user {

int virtual_key_for(const SDL_Keysym& key) {
    SDL_Scancode sc = key.scancode;
    // Digits of the main keyboard by position, as Windows names them on
    // every layout.
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc == SDL_SCANCODE_0) return '0';
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9)
        return VK_NUMPAD0 + 1 + (sc - SDL_SCANCODE_KP_1);
    if (sc == SDL_SCANCODE_KP_0) return VK_NUMPAD0;
    // Letters as the layout places them.
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) return 'A' + (key.sym - SDLK_a);
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return VK_F1 + (sc - SDL_SCANCODE_F1);
    switch (sc) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return VK_RETURN;
    case SDL_SCANCODE_ESCAPE:
        return VK_ESCAPE;
    case SDL_SCANCODE_TAB:
        return VK_TAB;
    case SDL_SCANCODE_BACKSPACE:
        return VK_BACK;
    case SDL_SCANCODE_SPACE:
        return VK_SPACE;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
        return VK_SHIFT;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
        return VK_CONTROL;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
        return VK_MENU;
    case SDL_SCANCODE_PAUSE:
        return VK_PAUSE;
    case SDL_SCANCODE_CAPSLOCK:
        return VK_CAPITAL;
    case SDL_SCANCODE_PAGEUP:
        return VK_PRIOR;
    case SDL_SCANCODE_PAGEDOWN:
        return VK_NEXT;
    case SDL_SCANCODE_END:
        return VK_END;
    case SDL_SCANCODE_HOME:
        return VK_HOME;
    case SDL_SCANCODE_LEFT:
        return VK_LEFT;
    case SDL_SCANCODE_UP:
        return VK_UP;
    case SDL_SCANCODE_RIGHT:
        return VK_RIGHT;
    case SDL_SCANCODE_DOWN:
        return VK_DOWN;
    case SDL_SCANCODE_INSERT:
        return VK_INSERT;
    case SDL_SCANCODE_DELETE:
        return VK_DELETE;
    case SDL_SCANCODE_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDL_SCANCODE_KP_PLUS:
        return VK_ADD;
    case SDL_SCANCODE_KP_MINUS:
        return VK_SUBTRACT;
    case SDL_SCANCODE_KP_PERIOD:
        return VK_DECIMAL;
    case SDL_SCANCODE_KP_DIVIDE:
        return VK_DIVIDE;
    case SDL_SCANCODE_APPLICATION:
    case SDL_SCANCODE_MENU:
        return VK_APPS;
    case SDL_SCANCODE_EQUALS:
        return VK_OEM_PLUS;
    case SDL_SCANCODE_MINUS:
        return VK_OEM_MINUS;
    default:
        return 0;
    }
}

// The left or right variant of a modifier key (VK_LSHIFT...), 0 for others.
int sided_virtual_key_for(SDL_Scancode sc) {
    switch (sc) {
    case SDL_SCANCODE_LSHIFT:
        return VK_LSHIFT;
    case SDL_SCANCODE_RSHIFT:
        return VK_RSHIFT;
    case SDL_SCANCODE_LCTRL:
        return VK_LCONTROL;
    case SDL_SCANCODE_RCTRL:
        return VK_RCONTROL;
    case SDL_SCANCODE_LALT:
        return VK_LMENU;
    case SDL_SCANCODE_RALT:
        return VK_RMENU;
    default:
        return 0;
    }
}

} // namespace vora::platform::user
