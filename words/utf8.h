// UTF-8 to UTF-16 decoding with no dependencies beyond the standard library,
// so the line reader and this decoder can be fuzzed on their own.
#pragma once

#include <string>
#include <string_view>

// Decodes UTF-8 bytes to UTF-16. Each maximal ill-formed subpart (a lead
// byte with as many valid continuation bytes as follow it, or a byte that
// can begin nothing) becomes one U+FFFD, the Unicode Standard's recommended
// practice. Overlong forms, encoded surrogates and values above U+10FFFF are
// ill-formed; characters above U+FFFF become surrogate pairs. A byte-order
// mark is an ordinary character here. The result never has more code units
// than the input has bytes.
std::u16string decodeUtf8(std::string_view bytes);
// The same into out, replacing what it held.
void decodeUtf8(std::string_view bytes, std::u16string& out);
