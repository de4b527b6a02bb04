#include "tests/support/main_window_fixture.h"
#include "words/result_display.h"

namespace {

TEST(CountText, PlainDecimal) {
    EXPECT_EQ(countText(0), u"Words: 0");
    EXPECT_EQ(countText(1234567), u"Words: 1234567");
}

using ResultDisplayTest = MainWindowTest;

TEST_F(ResultDisplayTest, BeforeAnyLoadTheOneEmptyEntryShowsAsThreeSpaces) {
    showCandidates();
    EXPECT_EQ(resultTextContent(), u"   ");
}

} // namespace
