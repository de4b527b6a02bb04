#include "filter/letter_panel.h"

void refreshLetterPanel() {}
void resetLetterStates() {}
