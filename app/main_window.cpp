#include "app/main_window.h"

#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"

using namespace layout;

const char16_t* const kLetterStateItems[8] = {
    u"?",           u"Not Present (Grey)", u"Used (Yellow)", u"1st (Green)",
    u"2nd (Green)", u"3rd (Green)",        u"4th (Green)",   u"5th (Green)",
};

const std::u16string kWindowTitle =
    u"Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)";

namespace {

std::u16string letterOf(int k) { return std::u16string(1, static_cast<char16_t>(u'A' + k)); }

// What a screen reader says about the controls that do not name themselves
// by their text. None of it shows on screen.
void describeControlsForScreenReaders() {
    using namespace gadget;
    ui::setAccessibleName(kResultText, u"Remaining words", u"");
    for (int k = 0; k < kLetterCount; ++k) {
        // The letter names its list twice: as the list's own name, and through
        // the label, which a screen reader follows where a list's name is its
        // selected item.
        ui::setAccessibleName(letterList(k), letterOf(k),
                              u"What the game showed for letter " + letterOf(k));
        ui::setLabelledBy(letterList(k), letterLabel(k));
        for (int p = 1; p <= kPositions; ++p) {
            const std::u16string position(1, static_cast<char16_t>(u'0' + p));
            ui::setAccessibleName(tickBox(k, p), letterOf(k) + u" yellow at position " + position,
                                  u"");
        }
    }
}

} // namespace

int openMainWindow() {
    const int flags = ui::kWindowCaption | ui::kWindowSystemMenu | ui::kWindowMinimiseBox |
                      ui::kWindowMaximiseBox;
    return ui::newWindow(gadget::kMainWindow, kWindowX, kWindowY, kClientWidth, kClientHeight,
                         kWindowTitle, flags);
}

void createMainWindowControls() {
    using namespace gadget;
    ui::newButton(kLoadButton, kLeftColumnX, kFirstButtonY, kControlWidth, kControlHeight,
                  u"Load 'words.txt' List");
    ui::newLabel(kCountLabel, kRightColumnX, kFirstButtonY, kControlWidth, kControlHeight, u"", 0);
    ui::newButton(kParseButton, kLeftColumnX, kFirstButtonY + kRowPitch, kControlWidth,
                  kControlHeight, u"Parse List");
    ui::newButton(kResetButton, kLeftColumnX, kFirstButtonY + 2 * kRowPitch, kControlWidth,
                  kControlHeight, u"Reset A-Z (below)");

    for (int k = 0; k < kLetterCount; ++k) {
        ui::newDropDownList(letterList(k), kLeftColumnX, letterRowY(k), kControlWidth,
                            kControlHeight);
        for (const char16_t* item : kLetterStateItems)
            ui::addItem(letterList(k), -1, item);
        ui::setState(letterList(k), 0);
    }

    for (int k = 0; k < kLetterCount; ++k) {
        ui::newLabel(letterLabel(k), kLabelX, letterRowY(k), kLabelWidth, kControlHeight,
                     letterOf(k), ui::kLabelCentred);
        ui::setFont(letterLabel(k), kLetterLabelFont);
    }
    ui::setFont(ui::kAllNewGadgets, ui::kDefaultFont);

    ui::newTextArea(kResultText, kRightColumnX, kResultTextY, kResultTextWidth, kResultTextHeight,
                    ui::kTextAreaWrap);

    for (int k = 0; k < kLetterCount; ++k) {
        for (int p = 1; p <= kPositions; ++p) {
            ui::newTickBox(tickBox(k, p), tickBoxX(p), letterRowY(k), kTickBoxWidth, kControlHeight,
                           u"");
            ui::setHidden(tickBox(k, p), 1);
        }
    }
    describeControlsForScreenReaders();
}
