#pragma once

#include "words/byte_source.h"

#include <functional>
#include <memory>
#include <string>

// Reads words.txt from the current directory into the word store, taking
// every line of exactly five UTF-16 code units, upper-cased, and shows the
// new list and its count. Runs on the load button.
void loadWordList();

// Opens the word file for one pass; null, with a short reason, when it
// cannot.
using OpenWordFile = std::function<std::unique_ptr<ByteSource>(std::u16string& whyNot)>;

// The load itself, opening the file through open once for each of its two
// passes. Tests hand in files that change between the passes.
void loadWordListFrom(const OpenWordFile& open);
