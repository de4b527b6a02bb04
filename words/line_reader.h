// Splits a byte stream into lines and decodes each from UTF-8 to UTF-16.
//
// LF, CR, CR LF and a NUL where a character begins each end a line; a line
// end that is the last thing in the stream begins no further line. A lead
// byte 0xC0-0xF7 always takes its one to three following bytes with it,
// whatever they are, so a line end taken that way ends nothing. A byte that
// can begin no character (0x80-0xBF, 0xF8-0xFF) reads as "?". A character
// cut short by the end of the stream is dropped. Only the bytes before a
// line's first NUL are decoded.
#pragma once

#include "words/byte_source.h"

#include <string>

class LineReader {
  public:
    static constexpr std::size_t kBufferSize = 4096;

    explicit LineReader(ByteSource& source) : source_(source) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // True when no byte remains, or when reading has failed.
    bool atEnd();
    // The next line without its line end. Empty at the end.
    std::u16string readLine() {
        std::u16string line;
        readLine(line);
        return line;
    }
    // The same into line, whose room is kept for the next.
    void readLine(std::u16string& line);
    // Moves past the next line exactly as readLine would, keeping nothing.
    void skipLine();
    // Whether the source reported an error; everything after it reads as
    // the end.
    bool failed() const { return failed_; }

  private:
    void scanLine(bool keep);
    bool fill();
    int nextByte();

    ByteSource& source_;
    char buffer_[kBufferSize];
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool exhausted_ = false;
    bool failed_ = false;
    std::string line_; // the bytes of the line being read
    // Where line_ holds its first NUL, which only a lead byte's followers
    // can bring in; decoding stops there.
    std::size_t firstNul_ = std::string::npos;
};
