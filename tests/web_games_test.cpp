// The games of tests/web/games.txt on the desktop program: the browser tests
// play the same games on the web page, so both show the same lists.
#include "tests/support/main_window_fixture.h"
#include "words/utf8.h"

#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + separator.size();
    }
}

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
        const std::vector<std::string> field = split(line, " | ");
        ASSERT_EQ(field.size(), 4u) << line;
        load(field[0] == "default" ? fileBytes(LARKSPIN_SOURCE_DIR "/data/words.txt")
                                   : unescape(field[0]));
        std::istringstream choices(field[1] == "-" ? "" : field[1]);
        for (std::string choice; choices >> choice;) {
            const int k = choice[0] - 'A';
            if (choice[1] == '@')
                clickTickBox(k, choice[2] - '0');
            else
                chooseLetterState(k, choice[1] - '0');
        }
        std::string list;
        std::istringstream words(field[3] == "-" ? "" : field[3]);
        for (std::string word; words >> word;)
            list += word + "   ";
        EXPECT_EQ(countLabelText(), decodeUtf8(field[2])) << line;
        EXPECT_EQ(resultTextContent(), decodeUtf8(list)) << line;
        pressButton(gadget::kResetButton);
        ++games;
    }
    EXPECT_GT(games, 0);
}

} // namespace
