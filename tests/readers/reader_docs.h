// The documents that the reader checks open. Each is built through the
// public API by a function registered under the document's name; the
// generator saves each as <name>.rtf.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "velrtf.h"

using BuildReaderDoc = void (*)(HVELDOC doc);
inline std::vector<std::pair<const char*, BuildReaderDoc>> readerDocs;  // filled before main
inline std::string readerDocsFolder;  // where the documents go, and files they read (pictures)

// Writes `bytes` as the file `name` in readerDocsFolder; gives its path.
std::string WriteBeside(const std::string& name, const std::string& bytes);

#define READER_DOC(name)                                                                          \
    static void Build_##name(HVELDOC doc);                                                        \
    static const bool registered_##name = (readerDocs.emplace_back(#name, Build_##name), true); \
    static void Build_##name(HVELDOC doc)
