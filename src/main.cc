// djvu-split-script: turns the page count in "n.txt" into a djvused script,
// "script.txt", that saves every page of a document as output/NNNN.djvu.
// Arguments are ignored; nothing is printed; the exit status is always 0.

#include "generator.h"

int main() { return run_generator(); }
