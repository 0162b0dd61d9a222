// The refusal box every part shows: the message alone, OK, the critical icon, the default title.
#include "platform/ui/services.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

namespace {

TEST(Refusal, IsTheMessageAloneWithTheCriticalIconAndTheDefaultTitle) {
    ScriptedServices s;
    ui::refuse("网页中没有<HEAD>标记");
    ASSERT_EQ(s.boxes().size(), 1u);
    EXPECT_EQ(s.boxes()[0].kind, ShownBox::Message);
    EXPECT_EQ(s.boxes()[0].prompt, "网页中没有<HEAD>标记");
    EXPECT_EQ(s.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
    EXPECT_EQ(s.boxes()[0].title, "");
    EXPECT_EQ(s.boxes()[0].shownTitle, ui::defaultTitle());
}

}  // namespace
