#include "words/utf8.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// What a lead byte promises: how many continuation bytes follow, and the
// range the first of them must lie in. Narrowing that first range is what
// rules out overlong forms (E0, F0), surrogates (ED) and values beyond
// U+10FFFF (F4). A byte that can begin nothing promises zero bytes and an
// empty range.
struct Lead {
    int following;
    unsigned char low;
    unsigned char high;
};

Lead leadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1, 0x80, 0xBF};
    if (byte == 0xE0)
        return {2, 0xA0, 0xBF};
    if (byte == 0xED)
        return {2, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {2, 0x80, 0xBF};
    if (byte == 0xF0)
        return {3, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {3, 0x80, 0xBF};
    if (byte == 0xF4)
        return {3, 0x80, 0x8F};
    return {0, 1, 0};
}

// Writes c at out[n] and on; returns the index after it.
std::size_t putCodePoint(std::u16string& out, std::size_t n, char32_t c) {
    if (c <= 0xFFFF) {
        out[n] = static_cast<char16_t>(c);
        return n + 1;
    }
    c -= 0x10000;
    out[n] = static_cast<char16_t>(0xD800 + (c >> 10));
    out[n + 1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    return n + 2;
}

} // namespace

std::u16string decodeUtf8(std::string_view bytes) {
    std::u16string out;
    decodeUtf8(bytes, out);
    return out;
}

void decodeUtf8(std::string_view bytes, std::u16string& out) {
    // No byte gives more than one code unit (four give two), so the output
    // is sized once and cut to length at the end.
    out.resize(bytes.size());
    std::size_t n = 0;
    const std::size_t size = bytes.size();
    std::size_t i = 0;
    while (i < size) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            out[n++] = byte;
            ++i;
            continue;
        }
        const Lead lead = leadOf(byte);
        if (lead.following == 0) {
            out[n++] = kReplacement;
            ++i;
            continue;
        }
        char32_t c = byte & (0x3F >> lead.following);
        int taken = 0;
        while (taken < lead.following && i + 1 + taken < size) {
            const auto next = static_cast<unsigned char>(bytes[i + 1 + taken]);
            const unsigned char low = taken == 0 ? lead.low : 0x80;
            const unsigned char high = taken == 0 ? lead.high : 0xBF;
            if (next < low || next > high)
                break;
            c = (c << 6) | (next & 0x3F);
            ++taken;
        }
        if (taken == lead.following)
            n = putCodePoint(out, n, c);
        else
            out[n++] = kReplacement; // the lead and its valid continuations, as one
        i += 1 + taken;
    }
    out.resize(n);
}
