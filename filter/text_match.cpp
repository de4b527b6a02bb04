#include "filter/text_match.h"

std::u16string charAt(std::u16string_view text, int position) {
    const size_t index = position <= 1 ? 0 : static_cast<size_t>(position - 1);
    if (index >= text.size())
        return std::u16string();
    return std::u16string(1, text[index]);
}

bool contains(std::u16string_view text, std::u16string_view pattern) {
    if (text.empty() || pattern.empty())
        return false;
    return text.find(pattern) != std::u16string_view::npos;
}
