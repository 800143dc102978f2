// Creating and ending documents.
#include <cstring>

#include "document.h"
#include "memory.h"
#include "messages.h"
#include "platform/platform.h"
#include "writer.h"

namespace {

constexpr int kInitialTableCapacity = 10;

void ReleaseDocument(VelDocRecord* doc)
{
    for (RowLevel& level : doc->RowLevels) OurFree(level.Cells);
    OurFree(doc->FontTable);
    OurFree(doc->ColorTable);
    if (doc->Stream) OurFree(doc->Stream->Body);
    OurFree(doc->Stream);
    OurFree(doc);
}

}  // namespace

extern "C" {

VELEXPORT HVELDOC VELAPI VelNewDoc(void)
{
    auto* doc = static_cast<VelDocRecord*>(OurAlloc(sizeof(VelDocRecord)));
    if (!doc) return nullptr;
    std::memset(doc, 0, sizeof *doc);
    doc->Stream = static_cast<RtfStream*>(OurAlloc(sizeof(RtfStream)));
    if (!doc->Stream) {
        ReleaseDocument(doc);
        return nullptr;
    }
    std::memset(doc->Stream, 0, sizeof *doc->Stream);
    doc->FontCapacity = kInitialTableCapacity;
    doc->ColorCapacity = kInitialTableCapacity;
    // Stop at the first failure, so that it is reported once.
    if (!(doc->ColorTable = static_cast<unsigned*>(OurAlloc((kInitialTableCapacity + 1) * sizeof(unsigned)))) ||
        !(doc->FontTable = static_cast<FontEntry*>(OurAlloc((kInitialTableCapacity + 1) * sizeof(FontEntry)))) ||
        !(doc->Stream->Body = static_cast<char*>(OurAlloc(kInitialBody)))) {
        ReleaseDocument(doc);
        return nullptr;
    }
    doc->Stream->BodyCapacity = kInitialBody;
    PlatScreenResolution(&doc->ResX, &doc->ResY);
    doc->ParaClosed = 1;
    doc->TableLevel = -1;
    doc->DocFlags = DefaultDocFlags();
    // ANSI character set; footnotes at the bottom of the page. Both wait in
    // the pending line, so nothing can fail here.
    PutControlWord(doc, "ansi", PARAM_NONE, 0);
    PutControlWord(doc, "ftnbj", PARAM_NONE, 0);
    return doc;
}

VELEXPORT int VELAPI VelEndDoc(HVELDOC doc)
{
    if (!doc) return 0;
    ReleaseDocument(doc);
    return 1;
}

}  // extern "C"
