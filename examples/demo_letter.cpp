#include "demo.h"

void DemoLetter(HVELDOC) {}
