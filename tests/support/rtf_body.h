// The body of a saved document as formatting tests compare it.
#pragma once

#include <string>

#include "rtf_test.h"

// What the body holds after the prologue, up to the save's closing braces,
// with the writer's line breaks left out (they carry no meaning). The font
// table is not part of it: families depend on the installed fonts.
inline std::string FlatBody(HVELDOC doc)
{
    std::string rtf = SavedRtf(doc);
    size_t at = rtf.find(kPrologue);
    if (at == std::string::npos) return "<no prologue>";
    std::string body;
    for (char c : rtf.substr(at + kPrologue.size())) {
        if (c != '\r' && c != '\n') body += c;
    }
    return body;
}
