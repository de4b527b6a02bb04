#include "words/word_store.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kInitialElements = 11;
// Texts are packed into blocks of this size, a longer one into a block of
// its own: no text straddles two blocks, and none is ever moved as the
// array grows.
constexpr std::size_t kBlockSize = std::size_t{1} << 16;
constexpr std::size_t kLongestHeader = (sizeof(std::size_t) * 8 + 6) / 7;

} // namespace

// A text's header is (length << 1 | wide) in 7-bit groups, lowest first,
// the high bit set on all but the last. The last text stored is never empty.
struct TextArray::Packed {
    struct Block {
        std::unique_ptr<unsigned char[]> bytes;
        std::size_t used = 0, capacity = 0;
    };
    std::vector<Block> blocks;
    std::size_t texts = 0;

    // Room for n more bytes at the end of the last block.
    unsigned char* room(std::size_t n) {
        if (blocks.empty() || blocks.back().capacity - blocks.back().used < n) {
            Block block;
            block.capacity = std::max(n, kBlockSize);
            block.bytes.reset(new unsigned char[block.capacity]);
            blocks.push_back(std::move(block));
        }
        return blocks.back().bytes.get() + blocks.back().used;
    }

    // An empty text is its header alone, a zero byte.
    void appendEmpties(std::size_t n) {
        while (n > 0) {
            unsigned char* out = room(1);
            Block& last = blocks.back();
            const std::size_t part = std::min(n, last.capacity - last.used);
            std::memset(out, 0, part);
            last.used += part;
            texts += part;
            n -= part;
        }
    }

    void append(std::u16string_view text) {
        const bool wide =
            std::any_of(text.begin(), text.end(), [](char16_t u) { return u > 0xFF; });
        const std::size_t payload = text.size() * (wide ? 2 : 1);
        unsigned char* out = room(kLongestHeader + payload);
        unsigned char* const start = out;
        std::size_t header = text.size() << 1 | (wide ? 1 : 0);
        for (; header >= 0x80; header >>= 7)
            *out++ = static_cast<unsigned char>(header | 0x80);
        *out++ = static_cast<unsigned char>(header);
        if (wide)
            std::memcpy(out, text.data(), payload);
        else
            std::transform(text.begin(), text.end(), out,
                           [](char16_t u) { return static_cast<unsigned char>(u); });
        blocks.back().used += static_cast<std::size_t>(out - start) + payload;
        ++texts;
    }
};

TextArray::Reader::Reader(const TextArray& array)
    : packed_(array.packed_), stored_(packed_ ? packed_->texts : 0) {}

// The next stored text's units, with its length and whether they are wide;
// step moves past it.
const unsigned char* TextArray::Reader::peek(std::size_t& length, bool& wide, bool step) {
    if (offset_ == packed_->blocks[block_].used)
        ++block_, offset_ = 0;
    const unsigned char* const start = packed_->blocks[block_].bytes.get() + offset_;
    const unsigned char* in = start;
    std::size_t header = 0;
    for (int shift = 0;; shift += 7) {
        header |= static_cast<std::size_t>(*in & 0x7F) << shift;
        if (!(*in++ & 0x80))
            break;
    }
    length = header >> 1;
    wide = header & 1;
    if (step) {
        offset_ += static_cast<std::size_t>(in - start) + length * (wide ? 2 : 1);
        --stored_;
    }
    return in;
}

std::size_t TextArray::Reader::nextSize() {
    std::size_t length = 0;
    bool wide = false;
    if (stored_ > 0)
        peek(length, wide, false);
    return length;
}

std::u16string_view TextArray::Reader::next() {
    if (stored_ == 0)
        return {};
    std::size_t length = 0;
    bool wide = false;
    const unsigned char* units = peek(length, wide, true);
    if (wide) {
        text_.resize(length);
        std::memcpy(text_.data(), units, length * 2);
    } else {
        text_.assign(units, units + length);
    }
    return text_;
}

void TextArray::Reader::skip() {
    std::size_t length = 0;
    bool wide = false;
    if (stored_ > 0)
        peek(length, wide, true);
}

TextArray::Writer::Writer(TextArray& array)
    : array_(array), old_(array), packed_(std::make_shared<Packed>()) {}

void TextArray::Writer::put(std::u16string_view text) {
    if (written_ == array_.count_)
        return;
    old_.skip();
    store(text);
}

void TextArray::Writer::store(std::u16string_view text) {
    ++written_;
    if (text.empty()) {
        ++empties_;
        return;
    }
    packed_->appendEmpties(empties_);
    empties_ = 0;
    packed_->append(text);
}

// The old texts above the last one written follow, as far as the array
// reaches; empty elements at the end are not stored.
void TextArray::Writer::finish() {
    while (written_ < array_.count_ && old_.stored_ > 0)
        store(old_.next());
    array_.packed_ = packed_->texts > 0 ? std::move(packed_) : nullptr;
}

void TextArray::resize(std::size_t n) {
    if (packed_ && packed_->texts > n) {
        // The texts cut off go now, not at the next write.
        TextArray kept(*this);
        kept.count_ = n;
        Writer(kept).finish();
        packed_ = std::move(kept.packed_);
    }
    count_ = n;
}

WordStore& wordStore() {
    static WordStore store;
    return store;
}

void initWordStore() {
    WordStore& store = wordStore();
    store.lineCount = 0;
    store.lastIndex = 0;
    store.rawLines = TextArray(kInitialElements);
    store.candidates = TextArray(kInitialElements);
    store.scratch = TextArray(kInitialElements);
}

void resizeArray(TextArray& array, int n) { array.resize(static_cast<std::size_t>(n)); }

void resizeForLoad(int n) {
    WordStore& store = wordStore();
    TextArray rawLines = store.rawLines, candidates = store.candidates, scratch = store.scratch;
    resizeArray(rawLines, n + 1);
    resizeArray(candidates, n + 1);
    resizeArray(scratch, n + 1);
    store.rawLines = std::move(rawLines);
    store.candidates = std::move(candidates);
    store.scratch = std::move(scratch);
}

// The texts are shared, not copied: no array changes its texts in place, so
// the two can never be told apart from two copies.
void copyArray(const TextArray& source, TextArray& destination) { destination = source; }

void commitSurvivors(int k) {
    WordStore& store = wordStore();
    copyArray(store.scratch, store.candidates);
    store.lastIndex = k - 1;
}
