// For random word lists and random panels, the parse pass keeps exactly the
// words that a plain, independent reading of the panel keeps.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/user_actions.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Panel {
    int state[26] = {};
    bool ticked[26][5] = {};
};

// Every letter rule written out on its own, from the meaning of the states.
bool keeps(const Panel& panel, const std::u16string& word) {
    for (int k = 0; k < 26; ++k) {
        const char16_t letter = static_cast<char16_t>(u'A' + k);
        const bool has = word.find(letter) != std::u16string::npos;
        const int state = panel.state[k];
        if (state == 1 && has)
            return false;
        if (state == 2) {
            if (!has)
                return false;
            for (int p = 0; p < 5; ++p) {
                if (panel.ticked[k][p] && word[p] == letter)
                    return false;
            }
        }
        if (state >= 3 && state <= 7 && word[state - 3] != letter)
            return false;
    }
    return true;
}

// Words over a few letters, so that the constraints bite, with the odd
// digit or accented letter that no state may match. They are upper-case
// already, as the load leaves them.
std::u16string randomWord(std::mt19937& random) {
    const std::u16string alphabet = u"ABCDEABCDEF1\u00C9";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::u16string word;
    for (int i = 0; i < 5; ++i)
        word += alphabet[pick(random)];
    return word;
}

Panel randomPanel(std::mt19937& random) {
    Panel panel;
    std::uniform_int_distribution<int> state(-1, 7);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int k = 0; k < 26; ++k) {
        // Mostly "?", and rarely anything but "?" or grey beyond F, where a
        // yellow or green letter would empty every list.
        const int chance = k < 6 ? 20 : 2;
        panel.state[k] = percent(random) < chance ? state(random) : 0;
        for (int p = 0; p < 5; ++p)
            panel.ticked[k][p] = percent(random) < 25;
    }
    return panel;
}

void setPanel(const Panel& panel) {
    for (int k = 0; k < 26; ++k) {
        ui::setState(gadget::letterList(k), panel.state[k]);
        for (int p = 1; p <= 5; ++p)
            ui::setState(gadget::tickBox(k, p), panel.ticked[k][p - 1] ? 1 : 0);
    }
}

using ParseProperty = MainWindowTest;

TEST_F(ParseProperty, ParseKeepsExactlyTheWordsThePanelAllows) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 60);
    for (int trial = 0; trial < 300; ++trial) {
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        std::vector<std::u16string> words(static_cast<size_t>(length(random)));
        for (std::u16string& word : words)
            word = randomWord(random);
        const Panel panel = randomPanel(random);

        std::u16string expected;
        int kept = 0;
        for (const std::u16string& word : words) {
            if (keeps(panel, word)) {
                expected += word + u"   ";
                ++kept;
            }
        }

        loadWordFile(words);
        setPanel(panel);
        pressButton(gadget::kParseButton);
        ASSERT_EQ(resultTextContent(), expected);
        ASSERT_EQ(countLabelText(), u"Words: " + QString::number(kept).toStdU16String());
    }
}

} // namespace
