// The program takes no arguments and always ends with exit code 0.
#include "app/shell.h"

int main() { return runProgram(); }
