// The documents that the reader checks open. Each is built through the
// public API by a function registered under the document's name; the
// generator saves each as <name>.rtf.
#pragma once

#include "velrtf.h"

using BuildReaderDoc = void (*)(HVELDOC doc);

int RegisterReaderDoc(const char* name, BuildReaderDoc build);

#define READER_DOC(name)                                                   \
    static void Build_##name(HVELDOC doc);                                 \
    static const int registered_##name = RegisterReaderDoc(#name, Build_##name); \
    static void Build_##name(HVELDOC doc)
