// Message boxes: the nested loop keeps other windows running, the owner is
// disabled meanwhile, Enter and Escape choose as documented, the test hook
// answers.
#include "platform/user_test_support.h"

namespace {

using vora::platform::test_support::countOf;
using vora::platform::test_support::received;
using vora::platform::test_support::UserLayerTest;
namespace hooks = vora::platform::testing;

TEST_F(UserLayerTest, BoxAnsweredByTheHookWhileTheTimerKeepsTicking) {
    HWND w = createMain();
    SetTimer(w, 1, 20, nullptr);
    bool ownerWasDisabled = false;
    std::string seenText;
    HWND box = nullptr;
    hooks::setMessageBoxAnswerer([&](const hooks::MessageBoxQuestion& q) {
        ownerWasDisabled = !IsWindowEnabled(w);
        seenText = q.text;
        box = q.box;
        EXPECT_EQ(q.owner, w);
        EXPECT_EQ(q.caption, "Question");
        return countOf(w, WM_TIMER) >= 5 ? IDYES : 0;
    });
    int answer =
        MessageBoxA(w, "Load Grid #3 ?", "Question", MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL);
    EXPECT_EQ(answer, IDYES);
    EXPECT_GE(countOf(w, WM_TIMER), 5);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(w)) << "the owner is enabled again";
    EXPECT_EQ(seenText, "Load Grid #3 ?");
    EXPECT_FALSE(IsWindow(box)) << "the box is gone";
}

TEST_F(UserLayerTest, EnterChoosesTheDefaultButton) {
    HWND w = createMain();
    bool sent = false;
    hooks::setMessageBoxAnswerer([&](const hooks::MessageBoxQuestion&) {
        if (!sent) {
            hooks::sendKey(VK_RETURN, true);
            hooks::sendKey(VK_RETURN, false);
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
    HWND w = createMain();
    bool sent = false;
    hooks::setMessageBoxAnswerer([&](const hooks::MessageBoxQuestion&) {
        if (!sent) {
            hooks::sendKey(VK_ESCAPE, true);
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
    HWND w = createMain();
    hooks::setMessageBoxAnswerer([&](const hooks::MessageBoxQuestion& q) {
        // The second button of a Yes/No box is "No"; click the middle of it.
        static HWND clicked = nullptr;
        if (clicked == q.box) return 0;
        clicked = q.box;
        RECT client{};
        GetClientRect(q.box, &client);
        POINT no{client.right - 12 - 75 / 2, client.bottom - 10 - 23 / 2};
        hooks::sendMouseButton(q.box, no, 1, true);
        hooks::sendMouseButton(q.box, no, 1, false);
        return 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Reload?", "V", MB_YESNO), IDNO);
}

TEST_F(UserLayerTest, InputToTheDisabledOwnerIsRefusedWhileTheBoxIsOpen) {
    HWND w = createMain();
    pump();
    received().clear();
    int calls = 0;
    hooks::setMessageBoxAnswerer([&](const hooks::MessageBoxQuestion&) {
        if (++calls == 1) {
            hooks::sendMouseButton(w, POINT{10, 10}, 1, true);
            PostMessageA(w, WM_USER, 0, 0);
            return 0;
        }
        return countOf(w, WM_USER) > 0 ? IDOK : 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Hello", "V", MB_OK), IDOK);
    EXPECT_EQ(countOf(w, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(countOf(w, WM_USER), 1) << "posted messages still reach the owner";
}

TEST_F(UserLayerTest, QuitDuringABoxEndsItAndReachesTheOuterLoop) {
    HWND w = createMain();
    hooks::setMessageBoxAnswerer([](const hooks::MessageBoxQuestion&) {
        PostQuitMessage(4);
        return 0;
    });
    EXPECT_EQ(MessageBoxA(w, "Hello", "V", MB_YESNO), IDNO);
    hooks::setMessageBoxAnswerer({});
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(UserLayerTest, ButtonCaptionsFollowTheUiLanguage) {
    HWND w = createMain();
    std::vector<std::string> captions;
    hooks::setMessageBoxAnswerer([&](const hooks::MessageBoxQuestion& q) {
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
    EXPECT_EQ(captions, (std::vector<std::string>{"Oui", "Non", "Annuler", "Yes", "No", "Cancel"}));
}

} // namespace
