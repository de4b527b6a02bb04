// The text tests at their edges, which the program's own words (five
// upper-case code units) never reach.
#include "filter/text_match.h"

#include <gtest/gtest.h>

namespace {

TEST(TextMatch, EdgesOfCharAtAndContains) {
    EXPECT_EQ(charAt(u"CRANE", 5), u"E");
    EXPECT_EQ(charAt(u"CRANE", 0), u"C");
    EXPECT_EQ(charAt(u"CRANE", -3), u"C");
    EXPECT_EQ(charAt(u"CRANE", 6), u"");
    EXPECT_EQ(charAt(u"", 1), u"");

    EXPECT_TRUE(contains(u"CRANE", u"RAN"));
    EXPECT_FALSE(contains(u"crane", u"E"));
    EXPECT_FALSE(contains(u"\u00C9CLAT", u"E")); // an accented E is not E
    EXPECT_FALSE(contains(u"", u"E"));
    EXPECT_FALSE(contains(u"CRANE", u""));
}

} // namespace
