// The games of tests/web/games.txt on the desktop program: the browser tests
// play the same games on the web page, so both show the same lists.
#include "tests/support/main_window_fixture.h"
#include "words/utf8.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

// The table's word file: its bytes, with \xHH for the byte HH.
static std::string wordFile(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool escaped = field.compare(i, 2, "\\x") == 0;
        bytes +=
            escaped ? static_cast<char>(std::stoi(field.substr(i + 2, 2), nullptr, 16)) : field[i];
        i += escaped ? 3 : 0;
    }
    return bytes;
}

using WebGames = MainWindowTest;

TEST_F(WebGames, DesktopShowsTheListsOfTheTable) {
    std::ifstream table(LARKSPIN_SOURCE_DIR "/tests/web/games.txt");
    ASSERT_TRUE(table.is_open());
    for (std::string line; std::getline(table, line);) {
        std::smatch field;
        if (line.empty() || line[0] == '#')
            continue;
        ASSERT_TRUE(std::regex_match(line, field, std::regex("(.*) \\| (.*) \\| (.*) \\| (.*)")))
            << line;
        load(wordFile(field[1]));
        std::istringstream choices(field[2]);
        for (std::string choice; choices >> choice && choice != "-";) {
            if (choice[1] == '@')
                clickTickBox(choice[0] - 'A', choice[2] - '0');
            else
                chooseLetterState(choice[0] - 'A', choice[1] - '0');
        }
        // The list shows every word followed by three spaces.
        const std::string list = std::regex_replace(field[4].str() + ' ', std::regex(" "), "   ");
        EXPECT_EQ(countLabelText(), decodeUtf8(field[3].str())) << line;
        EXPECT_EQ(resultTextContent(), decodeUtf8(field[4] == "-" ? "" : list)) << line;
        pressButton(gadget::kResetButton);
    }
}
