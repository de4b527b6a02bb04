// The two text tests the letter filters are built on. Comparison is of UTF-16
// code units, exact and case-sensitive, with no locale rules.
#pragma once

#include <string>
#include <string_view>

// The one-character text at position (counting from 1; 1 or less gives the
// first character), or the empty text beyond the end.
std::u16string charAt(std::u16string_view text, int position);

// Whether pattern occurs in text. An empty text contains nothing and an
// empty pattern is never found.
bool contains(std::u16string_view text, std::u16string_view pattern);
