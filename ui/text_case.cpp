// Upper-casing uses Qt's Unicode tables: a simple, one-to-one mapping of
// each UTF-16 code unit, so a text never changes its length.
#include "ui/toolkit.h"

#include <QChar>

namespace ui {

std::u16string upperCase(const std::u16string& text) {
    std::u16string upper(text);
    for (char16_t& unit : upper) {
        const char32_t mapped = QChar::toUpper(static_cast<char32_t>(unit));
        if (mapped <= 0xFFFF)
            unit = static_cast<char16_t>(mapped);
    }
    return upper;
}

} // namespace ui
