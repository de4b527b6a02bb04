#include "words/line_reader.h"

#include "words/utf8.h"

#include <string_view>

namespace {

constexpr unsigned char kLineFeed = 0x0A;
constexpr unsigned char kCarriageReturn = 0x0D;
constexpr unsigned char kNul = 0x00;

// Bytes that neither end a line nor begin a multi-byte character; runs of
// them are copied in one go.
bool isPlain(unsigned char byte) {
    return byte != kNul && byte < 0x80 && byte != kLineFeed && byte != kCarriageReturn;
}

// How many bytes a lead byte takes with it; -1 for a byte that can begin
// no character.
int followingBytes(unsigned char byte) {
    if (byte < 0x80)
        return 0;
    if (byte >= 0xC0 && byte <= 0xDF)
        return 1;
    if (byte >= 0xE0 && byte <= 0xEF)
        return 2;
    if (byte >= 0xF0 && byte <= 0xF7)
        return 3;
    return -1;
}

} // namespace

bool LineReader::atEnd() { return position_ == end_ && !fill(); }

void LineReader::readLine(std::u16string& line) {
    line_.clear();
    firstNul_ = std::string::npos;
    scanLine(true);
    // A long file may hold millions of empty lines: nothing to decode.
    if (line_.empty())
        line.clear();
    else
        decodeUtf8(std::string_view(line_).substr(0, firstNul_), line);
}

void LineReader::skipLine() { scanLine(false); }

void LineReader::scanLine(bool keep) {
    for (;;) {
        if (position_ == end_ && !fill())
            return;
        const std::size_t runStart = position_;
        while (position_ < end_ && isPlain(static_cast<unsigned char>(buffer_[position_])))
            ++position_;
        if (keep)
            line_.append(buffer_ + runStart, position_ - runStart);
        if (position_ == end_)
            continue;

        const auto byte = static_cast<unsigned char>(buffer_[position_++]);
        if (byte == kLineFeed || byte == kNul)
            return;
        if (byte == kCarriageReturn) {
            if ((position_ < end_ || fill()) &&
                static_cast<unsigned char>(buffer_[position_]) == kLineFeed)
                ++position_;
            return;
        }
        const int following = followingBytes(byte);
        if (following < 0) {
            if (keep)
                line_.push_back('?');
            continue;
        }
        const std::size_t characterStart = line_.size();
        if (keep)
            line_.push_back(static_cast<char>(byte));
        for (int k = 0; k < following; ++k) {
            const int next = nextByte();
            if (next < 0) {
                if (keep)
                    line_.resize(characterStart);
                return;
            }
            if (!keep)
                continue;
            if (next == kNul && firstNul_ == std::string::npos)
                firstNul_ = line_.size();
            line_.push_back(static_cast<char>(next));
        }
    }
}

// Refills the empty buffer; false once the source is at its end or failed.
// A source that has once reported its end is not asked again.
bool LineReader::fill() {
    if (exhausted_)
        return false;
    const long n = source_.read(buffer_, kBufferSize);
    if (n <= 0) {
        exhausted_ = true;
        failed_ = n < 0;
        return false;
    }
    position_ = 0;
    end_ = static_cast<std::size_t>(n);
    return true;
}

int LineReader::nextByte() {
    if (position_ == end_ && !fill())
        return -1;
    return static_cast<unsigned char>(buffer_[position_++]);
}
