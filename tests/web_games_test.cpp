// The games of tests/web/games.txt on the desktop program: the browser tests
// play the same games on the web page, so both show the same lists.
#include "tests/support/main_window_fixture.h"

#include <filesystem>
#include <regex>
#include <sstream>

namespace {

// The table's UTF-8 as the standard library reads it, not the loader's own
// decoder.
std::u16string utf16(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end())).u16string();
}

} // namespace

using WebGames = MainWindowTest;

TEST_F(WebGames, DesktopShowsTheListsOfTheTable) {
    for (const auto& field : readTable("tests/web/games.txt")) {
        ASSERT_EQ(field.size(), 4u);
        // The word file's bytes, with \xHH for the byte HH.
        std::string bytes = field[0];
        for (auto at = bytes.find("\\x"); at != std::string::npos; at = bytes.find("\\x", at + 1))
            bytes.replace(at, 4, 1,
                          static_cast<char>(std::stoi(bytes.substr(at + 2, 2), nullptr, 16)));
        load(bytes);
        std::istringstream choices(field[1]);
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
        const std::string list = std::regex_replace(field[3] + ' ', std::regex(" "), "   ");
        EXPECT_EQ(countLabelText(), utf16(field[2])) << field[0];
        EXPECT_EQ(resultTextContent(), utf16(field[3] == "-" ? "" : list)) << field[0];
        TearDown(), SetUp(); // the next game on a new window, whatever Reset leaves
    }
}
