// The load reads the file twice: once to count its lines, so that the
// store's arrays are sized once to fit, and once to store them.
//
// A load that fails before the arrays are resized leaves the store and the
// list as they were. One that fails after it leaves an empty list: by then
// the old list may be cut short and the new one is incomplete. Either way
// the count label says why instead of giving a count. Running out of memory
// is one such failure, wherever it happens: each step that stores texts
// changes its array only once it is done.
#include "words/load_word_list.h"

#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/line_reader.h"
#include "words/result_display.h"
#include "words/upper_case.h"
#include "words/word_file.h"
#include "words/word_store.h"

#include <limits>
#include <new>

namespace {

constexpr std::size_t kUnitsPerWord = 5;
// The arrays get one element more than the line count, and both are ints.
constexpr int kMostLines = std::numeric_limits<int>::max() - 1;
// Made at start-up: when memory has run out, there may be none for it.
const std::u16string kOutOfMemory = u"words.txt: out of memory";

bool countLines(const OpenWordFile& open, int& lineCount, std::u16string& whyNot);
int storeLines(const OpenWordFile& open, int lineCount, std::u16string& whyNot);
void takeWords(int linesStored);
void abandonList(const std::u16string& whyNot);

} // namespace

void loadWordList() {
    loadWordListFrom([](std::u16string& whyNot) { return openWordFile("words.txt", whyNot); });
}

void loadWordListFrom(const OpenWordFile& open) {
    WordStore& store = wordStore();
    std::u16string whyNot;
    bool resized = false;
    try {
        int lineCount = 0;
        if (!countLines(open, lineCount, whyNot)) {
            showReason(whyNot);
            return;
        }
        store.lineCount = lineCount;
        showCount(lineCount);

        resizeForLoad(lineCount);
        resized = true;
        const int linesStored = storeLines(open, lineCount, whyNot);
        if (linesStored < 0) {
            abandonList(whyNot);
            return;
        }
        takeWords(linesStored);
    } catch (const std::bad_alloc&) {
        if (resized)
            abandonList(kOutOfMemory);
        else
            showReason(kOutOfMemory);
        return;
    }
    showCount(store.lastIndex + 1);
    showCandidates();
}

namespace {

// The loops over every line are functions that own nothing, kept out of
// their callers, which do: on the page, where JavaScript handles C++
// exceptions, every call made while something would have to be destroyed
// on the way out goes through JavaScript, which made a load ten times
// slower.

// How many lines the reader has left; kMostLines + 1 for more than the
// arrays can have.
[[gnu::noinline]] int linesIn(LineReader& reader) {
    int count = 0;
    while (!reader.atEnd() && count <= kMostLines) {
        reader.skipLine();
        ++count;
    }
    return count;
}

// Up to lineCount lines into rawLines, through line; returns how many.
[[gnu::noinline]] int storeIn(LineReader& reader, TextArray::Writer& rawLines, std::u16string& line,
                              int lineCount) {
    int stored = 0;
    while (stored < lineCount && !reader.atEnd()) {
        reader.readLine(line);
        rawLines.put(line);
        ++stored;
    }
    return stored;
}

// The lines of five units among the first linesStored, upper-cased through
// word; returns how many.
[[gnu::noinline]] int wordsIn(TextArray::Reader& lines, TextArray::Writer& words,
                              std::u16string& word, int linesStored) {
    int taken = 0;
    // Where no text remains, every line left is empty.
    for (int j = 0; j < linesStored && !lines.atEnd(); ++j) {
        if (lines.nextSize() != kUnitsPerWord) {
            lines.skip();
            continue;
        }
        word = lines.next();
        for (char16_t& unit : word)
            unit = upperCaseUnit(unit);
        words.put(word);
        ++taken;
    }
    return taken;
}

// The first pass: false, with a reason, unless the whole file was read.
bool countLines(const OpenWordFile& open, int& lineCount, std::u16string& whyNot) {
    const std::unique_ptr<ByteSource> file = open(whyNot);
    if (!file)
        return false;
    LineReader reader(*file);
    const int count = linesIn(reader);
    if (count > kMostLines) {
        whyNot = u"words.txt: too many lines";
        return false;
    }
    if (reader.failed()) {
        whyNot = u"words.txt: read error";
        return false;
    }
    lineCount = count;
    return true;
}

// The second pass: stores the file's lines into rawLines, but never more
// than the first pass counted, which is the room the arrays have. Returns
// how many lines it stored, or -1, with a reason, when it failed. The file
// may have grown or shrunk since it was counted.
int storeLines(const OpenWordFile& open, int lineCount, std::u16string& whyNot) {
    const std::unique_ptr<ByteSource> file = open(whyNot);
    if (!file)
        return -1;
    LineReader reader(*file);
    TextArray::Writer rawLines(wordStore().rawLines);
    std::u16string line;
    const int stored = storeIn(reader, rawLines, line, lineCount);
    if (reader.failed()) {
        whyNot = u"words.txt: read error";
        return -1;
    }
    rawLines.finish();
    return stored;
}

// Takes the lines of exactly five code units, in file order, upper-cased.
// Only the lines this load stored count: rawLines keeps older texts above
// them when the file shrank between the passes.
void takeWords(int linesStored) {
    WordStore& store = wordStore();
    TextArray::Reader lines(store.rawLines);
    TextArray::Writer words(store.candidates);
    std::u16string word;
    const int taken = wordsIn(lines, words, word, linesStored);
    words.finish();
    store.lastIndex = taken - 1;
}

// Needs no memory of its own.
void abandonList(const std::u16string& whyNot) {
    wordStore().lastIndex = -1;
    showReason(whyNot);
    showCandidates();
}

} // namespace
