// Sections: their two phases (initialised, then text) and the page and
// section properties written while a section is initialised or before any.
#include "core/document.h"
#include "core/messages.h"
#include "core/sequence.h"
#include "core/undo.h"
#include "core/writer.h"

extern "C" {

VELEXPORT int VELAPI VelInitSect(HVELDOC doc)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_INIT_SECT)) return undo.Refused();
    doc->SeqState |= SEQ_SECT_INIT;
    if (!PutWord(doc, "sectd")) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelBeginSectText(HVELDOC doc)
{
    if (!doc || !CheckCallSequence(doc, OP_BEGIN_SECT_TEXT)) return 0;
    if (doc->SeqState & (SEQ_STYLESHEET | SEQ_STYLE_ITEM)) {
        return ReportError(doc, ERR_INVALID_SEQUENCE, "VelBeginSectText");
    }
    doc->SeqState = (doc->SeqState & ~SEQ_SECT_INIT) | SEQ_SECT_TEXT;
    return 1;
}

VELEXPORT int VELAPI VelPaper(HVELDOC doc, int width, int height, int landscape)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_PAPER)) return undo.Refused();
    bool section = doc->SeqState & SEQ_SECT_INIT;
    if (landscape && !PutWord(doc, section ? RtfWord("lndscpsxn") : RtfWord("landscape"))) return 0;
    if (width > 0 && !PutWordValue(doc, section ? RtfWord("pgwsxn") : RtfWord("paperw"), width)) return 0;
    if (height > 0 && !PutWordValue(doc, section ? RtfWord("pghsxn") : RtfWord("paperh"), height)) return 0;
    return undo.Commit();
}

VELEXPORT int VELAPI VelMargin(HVELDOC doc, int left, int right, int top, int bottom, int header, int footer)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_MARGIN)) return undo.Refused();
    bool section = doc->SeqState & SEQ_SECT_INIT;
    const struct {
        int value;
        RtfWord word;
    } margins[] = {
        {left, section ? RtfWord("marglsxn") : RtfWord("margl")},
        {right, section ? RtfWord("margrsxn") : RtfWord("margr")},
        {top, section ? RtfWord("margtsxn") : RtfWord("margt")},
        {bottom, section ? RtfWord("margbsxn") : RtfWord("margb")},
        {header, "headery"},
        {footer, "footery"},
    };
    for (const auto& margin : margins) {
        if (margin.value >= 0 && !PutWordValue(doc, margin.word, margin.value)) return 0;
    }
    return undo.Commit();
}

VELEXPORT int VELAPI VelSectInfo(HVELDOC doc, int columns, int columnSpace, int newPage, int firstPageNumber)
{
    if (!doc) return 0;
    UndoOnFailure undo(doc);
    if (!CheckCallSequence(doc, OP_SECT_INFO)) return undo.Refused();
    if (!PutWord(doc, newPage ? RtfWord("sbkpage") : RtfWord("sbknone"))) return 0;
    if (firstPageNumber >= 1) {
        if (!PutWordValue(doc, "pgnstarts", firstPageNumber) || !PutWord(doc, "pgnrestart")) return 0;
    } else if (!PutWord(doc, "pgncont")) {
        return 0;
    }
    if (columns >= 2) {
        if (!PutWordValue(doc, "cols", columns) || !PutWordValue(doc, "colsx", columnSpace)) return 0;
    }
    return undo.Commit();
}

}  // extern "C"
