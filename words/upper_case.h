// Upper-casing of words: the simple (one-to-one) upper-case mapping of the
// Unicode Character Database, applied code unit by code unit with no locale
// rules, so a text never changes its length. The table is the program's own,
// so every platform upper-cases alike.
#pragma once

#include <string>
#include <string_view>

char16_t upperCaseUnit(char16_t unit);
std::u16string upperCase(std::u16string_view text);
