#include "demo.h"

void DemoStyles(HVELDOC) {}
