// Feeds arbitrary bytes to the line reader and the UTF-8 decoder and checks
// them against a plain, unbuffered reading of the same bytes.
//
// The first input byte picks how many bytes the source hands over per
// read, so that lines, CR LF pairs and multi-byte characters get split
// between reads and between buffer fills.
#include "words/line_reader.h"
#include "words/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The bytes each line keeps, found by walking the whole input in memory:
// LF, CR, CR LF and NUL end a line; a lead byte 0xC0-0xF7 takes its one to
// three following bytes, or drops itself and ends everything when too few
// remain; any other byte of 0x80 and above reads as '?'.
std::vector<std::string> referenceLines(std::string_view in) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < in.size()) {
        std::string line;
        for (bool ended = false; i < in.size() && !ended;) {
            const auto byte = static_cast<unsigned char>(in[i]);
            if (byte == '\n' || byte == 0) {
                ++i;
                ended = true;
            } else if (byte == '\r') {
                ++i;
                if (i < in.size() && in[i] == '\n')
                    ++i;
                ended = true;
            } else if (byte < 0x80) {
                line += in[i++];
            } else if (byte >= 0xC0 && byte <= 0xF7) {
                const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
                if (in.size() - i < length) {
                    i = in.size();
                } else {
                    line.append(in.substr(i, length));
                    i += length;
                }
            } else {
                line += '?';
                ++i;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool wellFormed(const std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLowSurrogate(text[i]))
            return false;
        if (isHighSurrogate(text[i])) {
            if (i + 1 == text.size() || !isLowSurrogate(text[i + 1]))
                return false;
            ++i;
        }
    }
    return true;
}

// Encodes well-formed UTF-16 as UTF-8, written apart from the decoder.
std::string encodeUtf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(text[i]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkDecoding(std::string_view bytes, const std::u16string& text) {
    check(wellFormed(text));
    check(text.size() <= bytes.size());
    // Replacements aside, decoding loses nothing: text without U+FFFD came
    // from well-formed bytes, which encode back to exactly the input. That
    // rules out overlong forms and other ill-formed input read as a value.
    if (text.find(u'\uFFFD') == std::u16string::npos)
        check(encodeUtf8(text) == bytes);
}

constexpr std::size_t kChunks[] = {1, 2, 3, 5, 64, 4095, 4096, 4097, 1 << 20};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t chunk = kChunks[data[0] % std::size(kChunks)];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    checkDecoding(bytes, decodeUtf8(bytes));

    const std::vector<std::string> expected = referenceLines(bytes);
    MemorySource source(bytes, chunk);
    LineReader reader(source);
    std::size_t count = 0;
    while (!reader.atEnd()) {
        const std::u16string line = reader.readLine();
        check(count < expected.size());
        const std::string_view kept =
            std::string_view(expected[count]).substr(0, expected[count].find('\0'));
        check(line == decodeUtf8(kept));
        checkDecoding(kept, line);
        ++count;
    }
    check(count == expected.size());
    check(!reader.failed());

    MemorySource again(bytes, chunk);
    LineReader skipper(again);
    std::size_t skipped = 0;
    while (!skipper.atEnd()) {
        skipper.skipLine();
        ++skipped;
    }
    check(skipped == count);
    return 0;
}
