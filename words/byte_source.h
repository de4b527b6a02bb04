// Where the line reader gets its bytes: the word file, or memory in tests
// and the fuzz target.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes into buffer; returns how many were read, 0 at
    // the end, or -1 when reading failed.
    virtual long read(char* buffer, std::size_t size) = 0;
};

// Serves bytes held in memory, at most chunk bytes per read, so callers can
// see the short reads that a file or a pipe may give.
class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::string_view bytes, std::size_t chunk = 1 << 20)
        : bytes_(bytes), chunk_(std::max<std::size_t>(chunk, 1)) {}

    long read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, chunk_, bytes_.size()});
        std::memcpy(buffer, bytes_.data(), n);
        bytes_.remove_prefix(n);
        return static_cast<long>(n);
    }

  private:
    std::string_view bytes_;
    std::size_t chunk_;
};
