#include "words/load_word_list.h"

void loadWordList() {}
