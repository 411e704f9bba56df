// show_message_box: the test answerer sees the question and answers it without
// a box, on Windows as on the platform layer.
#include "platform/messagebox/message_box.h"

#include <gtest/gtest.h>

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

} // namespace
