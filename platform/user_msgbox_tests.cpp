// Message boxes: the nested loop keeps other windows running, the owner is
// disabled meanwhile, the keyboard chooses as on Windows (Enter, Escape,
// underlined letters, Tab, arrows, Space), the test hook answers.
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::count_of;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

TEST_F(UserLayerTest, BoxAnsweredByTheHookWhileTheTimerKeepsTicking) {
    HWND w = create_main();
    SetTimer(w, 1, 20, nullptr);
    bool owner_was_disabled = false;
    std::string seen_text;
    HWND box = nullptr;
    hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion& q) {
        owner_was_disabled = !IsWindowEnabled(w);
        seen_text = q.text;
        box = q.box;
        EXPECT_EQ(q.owner, w);
        EXPECT_EQ(q.caption, "Question");
        return count_of(w, WM_TIMER) >= 5 ? IDYES : 0;
    });
    int answer =
        MessageBoxA(w, "Load Grid #3 ?", "Question", MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL);
    EXPECT_EQ(answer, IDYES);
    EXPECT_GE(count_of(w, WM_TIMER), 5);
    EXPECT_TRUE(owner_was_disabled);
    EXPECT_TRUE(IsWindowEnabled(w)) << "the owner is enabled again";
    EXPECT_EQ(seen_text, "Load Grid #3 ?");
    EXPECT_FALSE(IsWindow(box)) << "the box is gone";
}

TEST_F(UserLayerTest, EnterChoosesTheDefaultButton) {
    HWND w = create_main();
    bool sent = false;
    hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion&) {
        if (!sent) {
            hooks::send_key(VK_RETURN, true);
            hooks::send_key(VK_RETURN, false);
            sent = true;
        }
        return 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Quit?", "V", MB_YESNO | MB_ICONHAND | MB_DEFBUTTON2), IDNO);
    sent = false;
    EXPECT_EQ(MessageBoxA(w, "Quit?", "V", MB_YESNO), IDYES);
    sent = false;
    EXPECT_EQ(MessageBoxA(w, "Info", "V", MB_OKCANCEL | MB_ICONINFORMATION), IDOK);
}

TEST_F(UserLayerTest, EscapeChoosesNoOrCancel) {
    HWND w = create_main();
    bool sent = false;
    hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion&) {
        if (!sent) {
            hooks::send_key(VK_ESCAPE, true);
            sent = true;
        }
        return 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Save?", "V", MB_YESNO | MB_ICONQUESTION), IDNO);
    sent = false;
    EXPECT_EQ(MessageBoxA(w, "Next page", "V", MB_OKCANCEL | MB_ICONINFORMATION), IDCANCEL);
    sent = false;
    EXPECT_EQ(MessageBoxA(w, "Done", "V", MB_OK), IDOK);
}

TEST_F(UserLayerTest, ClickOnABoxButtonAnswers) {
    HWND w = create_main();
    hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion& q) {
        // The second button of a Yes/No box is "No"; click the middle of it.
        static HWND clicked = nullptr;
        if (clicked == q.box) return 0;
        clicked = q.box;
        RECT client{};
        GetClientRect(q.box, &client);
        POINT no{client.right - 12 - 75 / 2, client.bottom - 10 - 23 / 2};
        hooks::send_mouse_button(q.box, no, 1, true);
        hooks::send_mouse_button(q.box, no, 1, false);
        return 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Reload?", "V", MB_YESNO), IDNO);
}

TEST_F(UserLayerTest, InputToTheDisabledOwnerIsRefusedWhileTheBoxIsOpen) {
    HWND w = create_main();
    pump();
    received().clear();
    int calls = 0;
    hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion&) {
        if (++calls == 1) {
            hooks::send_mouse_button(w, POINT{10, 10}, 1, true);
            PostMessageA(w, WM_USER, 0, 0);
            return 0;
        }
        return count_of(w, WM_USER) > 0 ? IDOK : 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Hello", "V", MB_OK), IDOK);
    EXPECT_EQ(count_of(w, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(count_of(w, WM_USER), 1) << "posted messages still reach the owner";
}

TEST_F(UserLayerTest, QuitDuringABoxEndsItAndReachesTheOuterLoop) {
    HWND w = create_main();
    hooks::set_message_box_answerer([](const hooks::MessageBoxQuestion&) {
        PostQuitMessage(4);
        return 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Hello", "V", MB_YESNO), IDNO);
    hooks::set_message_box_answerer({});
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(UserLayerTest, ButtonCaptionsFollowTheUiLanguage) {
    HWND w = create_main();
    std::vector<std::string> captions;
    hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion& q) {
        char text[32];
        for (int id : {IDYES, IDNO, IDCANCEL}) {
            GetWindowTextA(GetDlgItem(q.box, id), text, sizeof text);
            captions.push_back(text);
        }
        return IDYES;
    });
    SetThreadUILanguage(MAKELANGID(LANG_FRENCH, SUBLANG_DEFAULT));
    MessageBoxA(w, "Q", "Titre", MB_YESNOCANCEL);
    SetThreadUILanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT));
    MessageBoxA(w, "Q", "Title", MB_YESNOCANCEL);
    // "&" marks the underlined letter that chooses the button.
    EXPECT_EQ(captions,
              (std::vector<std::string>{"&Oui", "&Non", "&Annuler", "&Yes", "&No", "&Cancel"}));
}

// Answers each box by pressing the keys, once per box.
void press_in_each_box(std::vector<int> keys) {
    hooks::set_message_box_answerer(
        [keys, last = HWND{}](const hooks::MessageBoxQuestion& q) mutable {
            if (last == q.box) return 0;
            last = q.box;
            for (int key : keys) {
                hooks::send_key(key, true);
                hooks::send_key(key, false);
            }
            return 0;
        });
}

struct KeyCase {
    const char* what;
    LANGID language;
    UINT type;
    std::vector<int> keys;
    int expected;
};

TEST_F(UserLayerTest, KeyboardChoosesTheButtonsAsOnWindows) {
    const LANGID en = MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);
    const LANGID fr = MAKELANGID(LANG_FRENCH, SUBLANG_DEFAULT);
    const KeyCase cases[] = {
        {"Y for Yes", en, MB_YESNO | MB_DEFBUTTON2, {'Y'}, IDYES},
        {"N for No", en, MB_YESNO, {'N'}, IDNO},
        {"O for OK", en, MB_OKCANCEL | MB_DEFBUTTON2, {'O'}, IDOK},
        {"C for Cancel", en, MB_OKCANCEL, {'C'}, IDCANCEL},
        {"O for Oui", fr, MB_YESNOCANCEL | MB_DEFBUTTON3, {'O'}, IDYES},
        {"N for Non", fr, MB_YESNOCANCEL, {'N'}, IDNO},
        {"A for Annuler", fr, MB_YESNOCANCEL, {'A'}, IDCANCEL},
        {"Tab wraps from No to Yes", en, MB_YESNO | MB_DEFBUTTON2, {VK_TAB, VK_SPACE}, IDYES},
        {"Tab moves from Yes to No", en, MB_YESNO, {VK_TAB, VK_SPACE}, IDNO},
        {"Right arrow", en, MB_YESNOCANCEL, {VK_RIGHT, VK_RIGHT, VK_SPACE}, IDCANCEL},
        {"Left arrow wraps", en, MB_YESNOCANCEL, {VK_LEFT, VK_SPACE}, IDCANCEL},
        {"Down then up", en, MB_YESNOCANCEL, {VK_DOWN, VK_UP, VK_SPACE}, IDYES},
        {"Enter presses the focused button", en, MB_YESNO, {VK_TAB, VK_RETURN}, IDNO},
        {"Space presses the default", en, MB_OKCANCEL | MB_DEFBUTTON2, {VK_SPACE}, IDCANCEL},
        {"a letter of no button does nothing", en, MB_YESNO, {'Q', VK_RETURN}, IDYES},
    };
    HWND w = create_main();
    for (const KeyCase& c : cases) {
        SetThreadUILanguage(c.language);
        press_in_each_box(c.keys);
        EXPECT_EQ(MessageBoxA(w, "Q", "T", c.type), c.expected) << c.what;
    }
}

} // namespace

namespace {

bool inside(const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
           r.bottom <= area.bottom;
}

// The box opens centred on its owner, moved the least into the work area
// (here the screen less a panel of 30 pixels at the top and one of 40 at the
// bottom), wherever the owner lies: at every edge and corner, partly off the
// screen, or with no owner; a long text makes a box wider than the owner.
TEST_F(UserLayerTest, BoxesOpenInsideTheWorkAreaWhereverTheOwnerIs) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const RECT area{0, 30, width, height - 40};
    hooks::set_work_area(&area);
    RECT reported{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &reported, 0));
    EXPECT_TRUE(reported.left == area.left && reported.top == area.top &&
                reported.right == area.right && reported.bottom == area.bottom);
    struct Case {
        const char* where;
        int x, y; // the owner's top-left corner
    };
    const Case cases[] = {
        {"middle", width / 2 - 150, height / 2 - 100},
        {"left edge", -250, height / 2},
        {"right edge", width - 40, height / 2},
        {"top edge", width / 2, -180},
        {"bottom edge", width / 2, height - 20},
        {"top left", -200, -150},
        {"top right", width - 30, -150},
        {"bottom left", -280, height - 10},
        {"bottom right", width - 10, height - 10},
    };
    const std::string wide(30, 'W');
    const std::string text = "Grid: " + wide + "\n" + wide + " " + wide + "\n\n\n\n\n\nEnd";
    for (const Case& c : cases)
        for (bool owned : {true, false}) {
            HWND w = create_main(c.x, c.y);
            RECT box{};
            hooks::set_message_box_answerer([&](const hooks::MessageBoxQuestion& q) {
                GetWindowRect(q.box, &box);
                return IDOK;
            });
            MessageBoxA(owned ? w : nullptr, text.c_str(), "V", MB_OK | MB_ICONINFORMATION);
            EXPECT_TRUE(inside(box, area))
                << c.where << (owned ? "" : ", no owner") << ": box at " << box.left << ","
                << box.top << " to " << box.right << "," << box.bottom;
            if (owned && std::string(c.where) == "middle") {
                RECT owner{};
                GetWindowRect(w, &owner);
                EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
                EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
            }
            DestroyWindow(w);
        }
    hooks::set_work_area(nullptr);
}

} // namespace
