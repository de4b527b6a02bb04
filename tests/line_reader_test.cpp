// The reader's own rules, below the loader: line ends, the byte-level
// character rules, and decoding.
#include "words/line_reader.h"
#include "words/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::u16string>;

// Reads every line of bytes, handed over chunk bytes at a time.
Lines readAll(std::string_view bytes, std::size_t chunk = 1 << 20) {
    MemorySource source(bytes, chunk);
    LineReader reader(source);
    Lines lines;
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    EXPECT_FALSE(reader.failed());
    return lines;
}

// Every case must read the same whether the bytes arrive whole or one at a
// time, so that a CR LF or a character split between two reads is handled.
Lines readBothWays(std::string_view bytes) {
    Lines whole = readAll(bytes);
    EXPECT_EQ(readAll(bytes, 1), whole) << "bytes given one at a time read differently";
    return whole;
}

TEST(LineReader, LineEndsOfEveryKind) {
    EXPECT_EQ(readBothWays("a\nb\r\nc\rd"), (Lines{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(readBothWays(""), Lines{});
    // A final line end begins no further line, whatever its kind...
    EXPECT_EQ(readBothWays("word\n"), Lines{u"word"});
    EXPECT_EQ(readBothWays("word\r\n"), Lines{u"word"});
    EXPECT_EQ(readBothWays("word\r"), Lines{u"word"});
    // ...but an empty line before it counts, as do empty lines between.
    EXPECT_EQ(readBothWays("a\n\n"), (Lines{u"a", u""}));
    EXPECT_EQ(readBothWays("\n\r\n\r"), (Lines{u"", u"", u""}));
    // A lone CR leaves the next byte to begin the next line; LF CR is two ends.
    EXPECT_EQ(readBothWays("a\rb\n\rc"), (Lines{u"a", u"b", u"", u"c"}));
}

TEST(LineReader, NulEndsALineAndNeverPairs) {
    EXPECT_EQ(readBothWays(std::string_view("ab\0cd", 5)), (Lines{u"ab", u"cd"}));
    EXPECT_EQ(readBothWays(std::string_view("ab\0\ncd\0\r\n", 9)), (Lines{u"ab", u"", u"cd", u""}));
    EXPECT_EQ(readBothWays(std::string_view("\0", 1)), Lines{u""});
}

TEST(LineReader, LeadByteTakesItsFollowingBytesWhateverTheyAre) {
    // 0xC3 takes the LF, 0xE2 the CR LF: neither ends the line, and the
    // decoder then finds the sequences malformed.
    EXPECT_EQ(readBothWays("ab\xC3\ncd\nx"), (Lines{u"ab\uFFFD\ncd", u"x"}));
    EXPECT_EQ(readBothWays("\xE2\r\nz\n"), (Lines{u"\uFFFD\r\nz"}));
    // A NUL taken by a lead byte does not end the line, but decoding stops there.
    EXPECT_EQ(readBothWays(std::string_view("ab\xC3\0cd\nx", 9)), (Lines{u"ab\uFFFD", u"x"}));
}

TEST(LineReader, StrayBytesReadAsQuestionMarks) {
    EXPECT_EQ(readBothWays("a\x80\xBF\xF8\xFFz"), Lines{u"a????z"});
    // A lead byte's followers are not "stray", even when they are not
    // continuation bytes: 0xC3 takes 0x80 and makes a valid character.
    EXPECT_EQ(readBothWays("\xC3\x80\x80"), Lines{u"\u00C0?"});
}

TEST(LineReader, CharacterCutShortByTheEndIsDropped) {
    EXPECT_EQ(readBothWays("abc\xE2\x82"), Lines{u"abc"});
    EXPECT_EQ(readBothWays("abc\n\xF0\x9F\x98"), (Lines{u"abc", u""}));
}

// A source that gives some bytes and then fails.
class FailingSource : public ByteSource {
  public:
    long read(char* buffer, std::size_t size) override {
        if (given_)
            return -1;
        given_ = true;
        const std::string_view bytes = "first\nsec";
        const std::size_t n = std::min(size, bytes.size());
        bytes.copy(buffer, n);
        return static_cast<long>(n);
    }

  private:
    bool given_ = false;
};

TEST(LineReader, ReadErrorEndsTheStreamAndIsReported) {
    FailingSource source;
    LineReader reader(source);
    EXPECT_EQ(reader.readLine(), u"first");
    EXPECT_FALSE(reader.failed());
    reader.readLine();
    EXPECT_TRUE(reader.failed());
    EXPECT_TRUE(reader.atEnd());
}

TEST(Utf8, DecodesWellFormedText) {
    EXPECT_EQ(decodeUtf8("\xC3\xA9"
                         "clat"),
              u"\u00E9clat");
    EXPECT_EQ(decodeUtf8("\xE2\x82\xAC\xEF\xBF\xBF"), u"\u20AC\uFFFF");
    // Above U+FFFF: a surrogate pair; the edges of the four-byte range.
    EXPECT_EQ(decodeUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(decodeUtf8("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), u"\U00010000\U0010FFFF");
    // A byte-order mark is kept as a character.
    EXPECT_EQ(decodeUtf8("\xEF\xBB\xBF"
                         "a"),
              u"\uFEFFa");
}

TEST(Utf8, EachMaximalIllFormedSubpartBecomesOneReplacement) {
    // Truncated sequences: the lead and its valid continuations are one subpart.
    EXPECT_EQ(decodeUtf8("\xE2\x82x"), u"\uFFFDx");
    EXPECT_EQ(decodeUtf8("\xF0\x9F\x98"), u"\uFFFD");
    EXPECT_EQ(decodeUtf8("\xC3"), u"\uFFFD");
    // Lone continuation bytes and bytes that begin nothing: one each.
    EXPECT_EQ(decodeUtf8("\x80\xBF\xF5\xFF"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    // The Unicode Standard's own example (Table 3-8).
    EXPECT_EQ(decodeUtf8("\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64"),
              u"a\uFFFD\uFFFD\uFFFDb\uFFFDc\uFFFD\uFFFDd");
}

TEST(Utf8, OverlongFormsSurrogatesAndOutOfRangeAreIllFormed) {
    // Overlong: C0 and C1 can begin nothing; E0 and F0 reject a too-small second byte.
    EXPECT_EQ(decodeUtf8("\xC0\x80"), u"\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xC1\xBF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xF0\x8F\xBF\xBF"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    // Surrogates encoded in UTF-8, alone and as a pair (CESU-8).
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(decodeUtf8("\xED\xA0\xBD\xED\xB8\x80"), std::u16string(6, u'\uFFFD'));
    EXPECT_EQ(decodeUtf8("\xED\x9F\xBF"), u"\uD7FF");
    // Beyond U+10FFFF.
    EXPECT_EQ(decodeUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
}

} // namespace
