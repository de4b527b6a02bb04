#include "filter/parse_list.h"

void parseList() {}
