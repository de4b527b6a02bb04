// The load reads the file twice: once to count its lines, so that the
// store's arrays are sized once to fit, and once to store them.
//
// A load that fails before the arrays are resized leaves the store and the
// list as they were. One that fails after it leaves an empty list: by then
// the old list may be cut short and the new one is incomplete. Either way
// the count label says why instead of giving a count.
#include "words/load_word_list.h"

#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/line_reader.h"
#include "words/result_display.h"
#include "words/upper_case.h"
#include "words/word_file.h"
#include "words/word_store.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {

constexpr std::size_t kUnitsPerWord = 5;
// The arrays get one element more than the line count, and both are ints.
constexpr int kMostLines = std::numeric_limits<int>::max() - 1;

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
    bool resizing = false;
    try {
        int lineCount = 0;
        if (!countLines(open, lineCount, whyNot)) {
            ui::setText(gadget::kCountLabel, whyNot);
            return;
        }
        store.lineCount = lineCount;
        ui::setText(gadget::kCountLabel, countText(lineCount));

        resizing = true;
        resizeForLoad(lineCount);
        const int linesStored = storeLines(open, lineCount, whyNot);
        if (linesStored < 0) {
            abandonList(whyNot);
            return;
        }
        takeWords(linesStored);

        ui::setText(gadget::kCountLabel, countText(store.lastIndex + 1));
        showCandidates();
    } catch (const std::bad_alloc&) {
        whyNot = u"words.txt: out of memory";
        if (resizing)
            abandonList(whyNot);
        else
            ui::setText(gadget::kCountLabel, whyNot);
    }
}

namespace {

// The first pass: false, with a reason, unless the whole file was read.
bool countLines(const OpenWordFile& open, int& lineCount, std::u16string& whyNot) {
    const std::unique_ptr<ByteSource> file = open(whyNot);
    if (!file)
        return false;
    LineReader reader(*file);
    int count = 0;
    while (!reader.atEnd()) {
        if (count == kMostLines) {
            whyNot = u"words.txt: too many lines";
            return false;
        }
        reader.skipLine();
        ++count;
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
    StringArray& rawLines = wordStore().rawLines;
    int stored = 0;
    while (stored < lineCount && !reader.atEnd()) {
        rawLines[stored] = reader.readLine();
        ++stored;
    }
    if (reader.failed()) {
        whyNot = u"words.txt: read error";
        return -1;
    }
    return stored;
}

// Takes the lines of exactly five code units, in file order, upper-cased.
// Only the lines this load stored count: rawLines keeps older texts above
// them when the file shrank between the passes.
void takeWords(int linesStored) {
    WordStore& store = wordStore();
    int taken = 0;
    for (int j = 0; j < linesStored; ++j) {
        if (store.rawLines[j].size() == kUnitsPerWord) {
            store.candidates[taken] = upperCase(store.rawLines[j]);
            ++taken;
        }
    }
    store.lastIndex = taken - 1;
}

void abandonList(const std::u16string& whyNot) {
    WordStore& store = wordStore();
    store.lastIndex = -1;
    // A resize cut short by a lack of memory can leave candidates and
    // scratch with different counts; shrinking both to the smaller one
    // needs no memory.
    const std::size_t count = std::min(store.candidates.size(), store.scratch.size());
    store.candidates.resize(count);
    store.scratch.resize(count);
    ui::setText(gadget::kCountLabel, whyNot);
    showCandidates();
}

} // namespace
