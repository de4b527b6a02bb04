// The one word store of the program: the word file's lines as last read, the
// current candidate list and the filters' work array.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// An array of texts of UTF-16 code units at about the cost of the texts: a
// file of 30 million empty lines must not cost 30 million string objects.
// Each stored text is packed as its length (one byte up to 63 units) and its
// units, one byte each when all of them are below 256, two otherwise; the
// empty elements above the last text that is not empty cost nothing.
//
// Texts are read and written in index order. A copy shares the packed texts,
// which nothing changes in place: a Writer packs the array anew, and the
// array takes the new texts only when it finishes, so running out of memory
// on the way leaves the array as it was.
class TextArray {
    struct Packed;

  public:
    TextArray() = default;
    explicit TextArray(std::size_t count) : count_(count) {}

    std::size_t size() const { return count_; }
    // To n elements: the texts below both the old and the new count are
    // kept, new elements are empty.
    void resize(std::size_t n);

    class Writer;

    // The elements from 0 up, one at a time.
    class Reader {
      public:
        explicit Reader(const TextArray& array);
        // The next element's text, valid until the next call; empty past
        // the last element.
        std::u16string_view next();
        // The next element's length, without reading it, and moving past it.
        std::size_t nextSize();
        void skip();
        // Whether every element from here on is empty.
        bool atEnd() const { return stored_ == 0; }

      private:
        friend class TextArray::Writer;
        const unsigned char* peek(std::size_t& length, bool& wide, bool step);

        std::shared_ptr<const Packed> packed_;
        std::size_t block_ = 0, offset_ = 0;
        std::size_t stored_ = 0; // packed texts not yet read
        std::u16string text_;
    };

    // Rewrites the elements from 0 up, one at a time; the elements above the
    // last one written keep their texts. Nothing changes until finish.
    class Writer {
      public:
        explicit Writer(TextArray& array);
        // The next element, if the array has one more.
        void put(std::u16string_view text);
        void finish();

      private:
        void store(std::u16string_view text);

        TextArray& array_;
        Reader old_;
        std::shared_ptr<Packed> packed_;
        std::size_t written_ = 0;
        std::size_t empties_ = 0; // empty elements put since the last text stored
    };

  private:
    std::shared_ptr<const Packed> packed_; // null while every element is empty
    std::size_t count_ = 0;
};

struct WordStore {
    int lineCount = 0; // lines counted by the last load, whatever their length
    int lastIndex = 0; // last valid index of candidates; -1 for an empty list
    TextArray rawLines;
    TextArray candidates;
    TextArray scratch;
};

// The program-wide store. It lives from start-up to exit.
WordStore& wordStore();

// Puts the store into its state before any load: 11 empty elements in each
// array and one valid (empty) candidate.
void initWordStore();

// Resizes one array to n elements (n >= 1), keeping the texts below both the
// old and the new count; new elements are empty.
void resizeArray(TextArray& array, int n);

// Gives rawLines, candidates and scratch n + 1 elements each; out of memory,
// none of them changes.
void resizeForLoad(int n);

// Makes destination an element-by-element copy of the whole of source.
void copyArray(const TextArray& source, TextArray& destination);

// Ends a filter pass that kept k words: candidates becomes a copy of the
// whole scratch array and lastIndex becomes k - 1.
void commitSurvivors(int k);

inline int candidateCount() { return wordStore().lastIndex + 1; }
