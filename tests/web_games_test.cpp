// The games of tests/web/games.txt on the desktop program: the browser tests
// play the same games on the web page, so both show the same lists.
#include "tests/support/main_window_fixture.h"
#include "words/utf8.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace {

std::string unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\x") == 0) {
            bytes += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

std::string fileBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

using WebGames = MainWindowTest;

TEST_F(WebGames, DesktopShowsTheListsOfTheTable) {
    std::ifstream table(LARKSPIN_SOURCE_DIR "/tests/web/games.txt");
    int games = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        // Words, choices, count, list.
        std::smatch field;
        ASSERT_TRUE(std::regex_match(line, field, std::regex("(.*) \\| (.*) \\| (.*) \\| (.*)")))
            << line;
        load(field[1] == "default" ? fileBytes(LARKSPIN_SOURCE_DIR "/data/words.txt")
                                   : unescape(field[1]));
        std::istringstream choices(field[2] == "-" ? "" : field[2].str());
        for (std::string choice; choices >> choice;) {
            const int k = choice[0] - 'A';
            if (choice[1] == '@')
                clickTickBox(k, choice[2] - '0');
            else
                chooseLetterState(k, choice[1] - '0');
        }
        std::string list;
        std::istringstream words(field[4] == "-" ? "" : field[4].str());
        for (std::string word; words >> word;)
            list += word + "   ";
        EXPECT_EQ(countLabelText(), decodeUtf8(field[3].str())) << line;
        EXPECT_EQ(resultTextContent(), decodeUtf8(list)) << line;
        pressButton(gadget::kResetButton);
        ++games;
    }
    EXPECT_GT(games, 0);
}

} // namespace
