// charAt and contains at edges that the program's words (five upper-case
// code units) never reach.
#include "filter/text_match.h"

#include <gtest/gtest.h>

TEST(TextMatch, EdgesOfCharAtAndContains) {
    EXPECT_EQ(charAt(u"CRANE", -3), u"C");
    EXPECT_EQ(charAt(u"CRANE", 6), u"");
    EXPECT_FALSE(contains(u"crane", u"E"));
    EXPECT_FALSE(contains(u"CRANE", u""));
}
