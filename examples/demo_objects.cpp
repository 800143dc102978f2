#include "demo.h"

void DemoObjects(HVELDOC) {}
