#include "demo.h"

void DemoHeadersFooters(HVELDOC) {}
