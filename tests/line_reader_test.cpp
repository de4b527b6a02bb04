// The reader's rules that no round trip can judge: where lines end, what
// stray and ill-formed bytes read as, and what a cut-short end drops.
#include "words/line_reader.h"
#include "words/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals; // for the NULs
using Lines = std::vector<std::u16string>;

Lines readAll(std::string_view bytes, std::size_t chunk) {
    MemorySource source(bytes, chunk);
    LineReader reader(source);
    Lines lines;
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    return lines;
}

TEST(LineReader, BytesToLines) {
    const struct {
        std::string_view bytes;
        Lines lines;
    } cases[] = {
        // A final line end begins no further line; a lone CR leaves the next
        // byte to begin the next line, so LF CR is two ends.
        {"", {}},
        {"a\nb\r\nc\rd", {u"a", u"b", u"c", u"d"}},
        {"a\n\n", {u"a", u""}},
        {"a\r\n", {u"a"}},
        {"a\r", {u"a"}},
        {"\n\r\n\r", {u"", u"", u""}},
        {"a\rb\n\rc", {u"a", u"b", u"", u"c"}},
        // NUL ends a line and never pairs with a CR or LF after it.
        {"ab\0\r\ncd\0\n\0"sv, {u"ab", u"", u"cd", u"", u""}},
        // A lead byte takes its followers, line ends and NUL included;
        // decoding stops at such a NUL.
        {"ab\xC3\ncd\nx", {u"ab\uFFFD\ncd", u"x"}},
        {"\xE2\r\nz\n", {u"\uFFFD\r\nz"}},
        {"ab\xC3\0cd\nx"sv, {u"ab\uFFFD", u"x"}},
        // Bytes that can begin nothing read as "?", but not a lead byte's followers.
        {"a\x80\xBF\xF8\xFFz\xC3\x80\x80", {u"a????z\u00C0?"}},
        // A character cut short by the end is dropped.
        {"abc\xE2\x82", {u"abc"}},
        {"abc\n\xF0\x9F\x98", {u"abc", u""}},
        // The edges of the well-formed ranges, then just beyond them:
        // overlong, surrogate, above U+10FFFF. Each maximal ill-formed
        // subpart is one U+FFFD.
        {"\xC2\x80\xE0\xA0\x80\xED\x9F\xBF\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
         {u"\u0080\u0800\uD7FF\uFFFF\U00010000\U0010FFFF"}},
        {"\xC0\x80\xE0\x9F\xBF\xED\xA0\x80\xF0\x8F\xBF\xBF\xF4\x90\x80\x80",
         {std::u16string(16, u'\uFFFD')}},
        {"\xE2\x82x\xF0\x9F\x98y", {u"\uFFFDx\uFFFDy"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
        EXPECT_EQ(readAll(c.bytes, 1 << 20), c.lines);
        EXPECT_EQ(readAll(c.bytes, 1), c.lines) << "bytes given one at a time";
    }
}

// Every class boundary of a lead byte, decoded whole, cut short by the end
// of the bytes, and followed by a spare continuation byte. The bytes lie in
// a buffer of their exact size, so a read past the end shows under the
// address sanitizer.
TEST(Utf8, LeadByteBoundaries) {
    constexpr char16_t bad = 0xFFFD;
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
        {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF0\x90\x80\x80", u"\U00010000"},
        {"\xF1\x80\x80\x80", u"\U00040000"},
        {"\xF3\xBF\xBF\xBF", u"\U000FFFFF"},
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"\xF5", {bad}}, // beyond U+10FFFF
        {"\xFF", {bad}},
    };
    const auto decode = [](std::string_view bytes) {
        const auto exact = std::make_unique<char[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), exact.get());
        return decodeUtf8(std::string_view(exact.get(), bytes.size()));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.whole)));
        EXPECT_EQ(decode(c.whole), c.decoded);
        EXPECT_EQ(decode(std::string(c.whole) + "\x80"), c.decoded + bad);
        if (c.whole.size() > 1) {
            EXPECT_EQ(decode(c.whole.substr(0, c.whole.size() - 1)), std::u16string{bad});
            EXPECT_EQ(decode(std::string(c.whole.substr(0, c.whole.size() - 1)) + "z"),
                      (std::u16string{bad, u'z'}));
        }
    }
}

} // namespace
