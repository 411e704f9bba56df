// show_message_box: the test answerer sees the question and answers it without
// a box, on Windows as on the platform layer; the buttons' captions in each
// language.
#include "platform/messagebox/message_box.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

using vora::platform::MessageBoxQuestion;
using vora::platform::set_message_box_answerer;
using vora::platform::show_message_box;

TEST(MessageBox, AnswererSeesEachQuestionAndAnswersIt) {
    std::vector<MessageBoxQuestion> asked;
    set_message_box_answerer([&](const MessageBoxQuestion& q) {
        asked.push_back(q);
        return asked.size() == 1 ? IDNO : IDOK;
    });
    EXPECT_EQ(show_message_box(nullptr, "Load Grid #3 ?", "V-O-RA", MB_YESNO | MB_SYSTEMMODAL),
              IDNO);
    EXPECT_EQ(show_message_box(nullptr, "Done", nullptr, MB_OK | MB_ICONINFORMATION), IDOK);
    set_message_box_answerer({});
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Load Grid #3 ?");
    EXPECT_EQ(asked[0].caption, "V-O-RA");
    EXPECT_EQ(asked[0].type, MB_YESNO | MB_SYSTEMMODAL);
    EXPECT_EQ(asked[1].caption, "");
    EXPECT_EQ(asked[1].type, MB_OK | MB_ICONINFORMATION);
}

using vora::platform::message_box_button_caption;

// The letter after "&", upper case; 0 when there is none.
char underlined(const char* caption) {
    const char* amp = std::strchr(caption, '&');
    return amp != nullptr && amp[1] != '\0'
               ? static_cast<char>(std::toupper(static_cast<unsigned char>(amp[1])))
               : 0;
}

// Every set of buttons a box can have: in each language each button has a
// caption, and no two buttons of a box answer the same letter; yes and no
// answer O and N in French, Y and N in English.
TEST(MessageBox, ButtonCaptionsInEachLanguageAnswerDistinctLetters) {
    const std::vector<std::vector<int>> sets = {
        {IDOK},        {IDOK, IDCANCEL},   {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL},
        {IDYES, IDNO}, {IDRETRY, IDCANCEL}};
    for (bool french : {true, false}) {
        for (const auto& ids : sets) {
            std::string letters;
            for (int id : ids) {
                const char* caption = message_box_button_caption(id, french);
                EXPECT_STRNE(caption, "") << id;
                const char letter = underlined(caption);
                if (letter == 0) continue;
                EXPECT_EQ(letters.find(letter), std::string::npos) << caption;
                letters += letter;
            }
        }
    }
    EXPECT_EQ(underlined(message_box_button_caption(IDYES, true)), 'O');
    EXPECT_EQ(underlined(message_box_button_caption(IDNO, true)), 'N');
    EXPECT_EQ(underlined(message_box_button_caption(IDYES, false)), 'Y');
    EXPECT_EQ(underlined(message_box_button_caption(IDNO, false)), 'N');
    EXPECT_STREQ(message_box_button_caption(IDCANCEL, true), "&Annuler");
    EXPECT_STREQ(message_box_button_caption(IDCANCEL, false), "&Cancel");
}

} // namespace
