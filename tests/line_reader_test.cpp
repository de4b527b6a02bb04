// The decoder's rules that the fuzzer's round trip cannot judge: which
// bytes read as U+FFFD, and how many. Where lines end, and what each line
// keeps of its bytes, is the fuzzer's (fuzz/line_reader_fuzz.cpp, run by
// scripts/test).
#include "words/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char16_t bad = 0xFFFD;

// The bytes lie in a buffer of their exact size, so a read past the end
// shows under the address sanitizer.
std::u16string decode(std::string_view bytes) {
    const std::vector<char> exact(bytes.begin(), bytes.end());
    return decodeUtf8(std::string_view(exact.data(), exact.size()));
}

// Every class boundary of a lead byte, decoded whole, cut short by the end
// of the bytes or by a byte that continues nothing, and followed by a spare
// continuation byte; and a second byte just outside the narrower ranges
// after E0, ED, F0 and F4, where each byte is one U+FFFD.
TEST(Utf8, LeadByteBoundaries) {
    const struct {
        std::string_view whole; // the lead with its first valid continuations
        std::u16string decoded; // of the whole; a cut-short one is one U+FFFD
    } cases[] = {
        {"\x7F", u"\x7F"},
        {"\x80", {bad}},
        {"\xBF", {bad}},
        {"\xC0", {bad}}, // overlong two-byte forms
        {"\xC1", {bad}},
        {"\xC2\x80", u"\u0080"},
        {"\xDF\xBF", u"\u07FF"},
        {"\xE0\xA0\x80", u"\u0800"},
        {"\xE0\x9F", {bad, bad}}, // overlong: E0 takes A0 to BF only
        {"\xED\x80\x80", u"\uD000"},
        {"\xED\x9F\xBF", u"\uD7FF"}, // the last before the surrogates
        {"\xED\xA0", {bad, bad}},
        {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF0\x90\x80\x80", u"\U00010000"},
        {"\xF0\x8F", {bad, bad}},
        {"\xF1\x80\x80\x80", u"\U00040000"},
        {"\xF3\xBF\xBF\xBF", u"\U000FFFFF"},
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"\xF4\x90", {bad, bad}},
        {"\xF5", {bad}}, // beyond U+10FFFF
        {"\xFF", {bad}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.whole)));
        EXPECT_EQ(decode(c.whole), c.decoded);
        EXPECT_EQ(decode(std::string(c.whole) + "\x80"), c.decoded + bad);
        if (c.whole.size() > 1) {
            const std::string cut(c.whole.substr(0, c.whole.size() - 1));
            EXPECT_EQ(decode(cut), std::u16string{bad});
            EXPECT_EQ(decode(cut + "z"), (std::u16string{bad, u'z'}));
        }
    }
}

} // namespace
