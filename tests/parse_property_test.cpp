// For random word lists and random panels, the parse pass keeps exactly the
// words that a plain, independent reading of the panel keeps.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

#include <random>
#include <string>
#include <vector>

namespace {

// Each letter's state read from its meaning: 1 grey, 2 yellow (not at a
// ticked position), 3 to 7 green at position 1 to 5, anything else nothing.
bool keeps(const int (&states)[26], const bool (&ticks)[26][5], const std::u16string& word) {
    for (int k = 0; k < 26; ++k) {
        const char16_t letter = static_cast<char16_t>(u'A' + k);
        const bool has = word.find(letter) != std::u16string::npos;
        if ((states[k] == 1 && has) || (states[k] == 2 && !has))
            return false;
        for (int p = 0; p < 5; ++p) {
            if ((states[k] == 2 && ticks[k][p] && word[p] == letter) ||
                (states[k] == 3 + p && word[p] != letter))
                return false;
        }
    }
    return true;
}

using ParseProperty = MainWindowTest;

TEST_F(ParseProperty, ParseKeepsExactlyTheWordsThePanelAllows) {
    // Few letters, so that the states bite, and a digit and an accented
    // letter that no state may match; upper-case, as the load leaves words.
    const std::u16string alphabet = u"ABCDEABCDEF1\u00C9";
    std::mt19937 random(20240611);
    auto below = [&random](size_t n) { return static_cast<int>(random() % n); };
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        std::vector<std::u16string> words(static_cast<size_t>(below(61)));
        std::string file;
        for (std::u16string& word : words) {
            while (word.size() < 5)
                word += alphabet[static_cast<size_t>(below(alphabet.size()))];
            for (const char16_t unit : word)
                file += unit < 0x80 ? std::string(1, char(unit)) : "\xC3\x89"; // É
            file += '\n';
        }
        load(file);

        // Mostly "?"; beyond F a yellow or green letter would empty the list.
        int states[26];
        bool ticks[26][5];
        for (int k = 0; k < 26; ++k) {
            states[k] = below(100) < (k < 6 ? 20 : 2) ? below(9) - 1 : 0;
            ui::setState(gadget::letterList(k), states[k]);
            for (int p = 0; p < 5; ++p) {
                ticks[k][p] = below(4) == 0;
                ui::setState(gadget::tickBox(k, p + 1), ticks[k][p] ? 1 : 0);
            }
        }
        pressButton(gadget::kParseButton);

        std::u16string expected;
        for (const std::u16string& word : words)
            expected += keeps(states, ticks, word) ? word + u"   " : u"";
        ASSERT_EQ(resultTextContent(), expected);
        const std::string kept = std::to_string(expected.size() / 8); // a word and three spaces
        ASSERT_EQ(countLabelText(), u"Words: " + std::u16string(kept.begin(), kept.end()));
    }
}

} // namespace
