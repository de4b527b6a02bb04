// The games of tests/web/games.txt on the desktop program: the browser tests
// play the same games on the web page, so both show the same lists.
#include "tests/support/main_window_fixture.h"
#include "words/utf8.h"

#include <fstream>
#include <regex>
#include <sstream>

using WebGames = MainWindowTest;

TEST_F(WebGames, DesktopShowsTheListsOfTheTable) {
    std::ifstream table(LARKSPIN_SOURCE_DIR "/tests/web/games.txt");
    ASSERT_TRUE(table.is_open());
    for (std::string line; std::getline(table, line);) {
        std::smatch field;
        if (line.empty() || line[0] == '#')
            continue;
        ASSERT_TRUE(std::regex_match(line, field, std::regex("(.*) \\| (.*) \\| (.*) \\| (.*)")));
        // The word file's bytes, with \xHH for the byte HH.
        std::string bytes = field[1];
        for (auto at = bytes.find("\\x"); at != std::string::npos; at = bytes.find("\\x", at + 1))
            bytes.replace(at, 4, 1,
                          static_cast<char>(std::stoi(bytes.substr(at + 2, 2), nullptr, 16)));
        load(bytes);
        std::istringstream choices(field[2]);
        for (std::string choice; choices >> choice && choice != "-";) {
            if (choice.size() > 3) // a button's name
                pressButton(choice == "Load"    ? gadget::kLoadButton
                            : choice == "Parse" ? gadget::kParseButton
                                                : gadget::kResetButton);
            else if (choice[1] == '@')
                pressButton(gadget::tickBox(choice[0] - 'A', choice[2] - '0'));
            else
                chooseLetterState(choice[0] - 'A', choice[1] - '0');
        }
        // The list shows every word followed by three spaces.
        const std::string list = std::regex_replace(field[4].str() + ' ', std::regex(" "), "   ");
        EXPECT_EQ(countLabelText(), decodeUtf8(field[3].str())) << line;
        EXPECT_EQ(resultTextContent(), decodeUtf8(field[4] == "-" ? "" : list)) << line;
        TearDown(), SetUp(); // the next game on a new window, whatever Reset leaves
    }
}
