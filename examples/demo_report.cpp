#include "demo.h"

void DemoReport(HVELDOC) {}
