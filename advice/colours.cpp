#include "advice/advice.h"

namespace advice {

// The game's rule, written the way it is told: the letters in their place
// are green first; then, from left to right, a letter is yellow while the
// answer still has a copy of it that no green and no earlier yellow took.
// This is the reference every faster way of scoring is checked against.
int colours(const Word& guess, const Word& answer) {
    int colour[5] = {};
    bool taken[5] = {};
    for (int i = 0; i < 5; ++i) {
        if (guess[i] == answer[i]) {
            colour[i] = 2;
            taken[i] = true;
        }
    }
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5 && colour[i] == 0; ++j) {
            if (!taken[j] && guess[i] == answer[j]) {
                colour[i] = 1;
                taken[j] = true;
            }
        }
    }
    int pattern = 0;
    for (int i = 4; i >= 0; --i)
        pattern = pattern * 3 + colour[i];
    return pattern;
}

} // namespace advice
