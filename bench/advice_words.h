// The word lists the engine's benchmarks use: the default list as the
// program loads it (a-z lines, upper-cased), and random five-letter words.
#pragma once

#include "advice/advice.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace bench {

inline std::vector<advice::Word> defaultWords() {
    std::ifstream in(LARKSPIN_SOURCE_DIR "/data/words.txt");
    std::vector<advice::Word> words;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() != 5)
            continue;
        advice::Word word;
        for (int i = 0; i < 5; ++i)
            word[i] = static_cast<char16_t>(line[i] - 'a' + 'A');
        words.push_back(word);
    }
    if (words.empty()) {
        std::fprintf(stderr, "no words in %s/data/words.txt\n", LARKSPIN_SOURCE_DIR);
        std::exit(1);
    }
    return words;
}

// Letters drawn with English letter frequencies, so that the colours split
// them about as a real list's; a fixed seed, so every run scores the same.
inline std::vector<advice::Word> randomWords(std::size_t count) {
    const double weights[] = {8.2, 1.5, 2.8, 4.3, 12.7, 2.2, 2.0, 6.1, 7.0, 0.2, 0.8, 4.0, 2.4,
                              6.7, 7.5, 1.9, 0.1, 6.0,  6.3, 9.1, 2.8, 1.0, 2.4, 0.2, 2.0, 0.1};
    std::mt19937 random(15000);
    std::discrete_distribution<int> pick(std::begin(weights), std::end(weights));
    std::vector<advice::Word> words(count);
    for (advice::Word& word : words) {
        for (char16_t& unit : word)
            unit = static_cast<char16_t>(u'A' + pick(random));
    }
    return words;
}

// The words at those places of the list.
inline std::vector<advice::Word> wordsOf(const std::vector<advice::Word>& list,
                                         const std::vector<std::size_t>& at) {
    std::vector<advice::Word> words;
    for (const std::size_t k : at)
        words.push_back(list[k]);
    return words;
}

// The answers among those places, grouped by the colours the guess gets
// against each.
inline std::map<int, std::vector<std::size_t>> byColours(const std::vector<advice::Word>& list,
                                                         std::size_t guess,
                                                         const std::vector<std::size_t>& answers) {
    std::map<int, std::vector<std::size_t>> groups;
    for (const std::size_t answer : answers)
        groups[advice::colours(list[guess], list[answer])].push_back(answer);
    return groups;
}

} // namespace bench
