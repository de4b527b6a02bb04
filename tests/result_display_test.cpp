#include "words/result_display.h"

#include <gtest/gtest.h>

TEST(CountText, PlainDecimal) {
    EXPECT_EQ(countText(0), u"Words: 0");
    EXPECT_EQ(countText(1234567), u"Words: 1234567");
}
