#include "demo.h"

void DemoTables(HVELDOC) {}
