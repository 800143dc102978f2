// A failed operation leaves the document as it was. An operation arms an
// UndoOnFailure before its sequence check; unless it reaches Commit() or
// Refused(), the guard puts the stream, the tables' counts, the sequence
// state and the table counters back on every return path, the section that
// the check may have opened by itself included. The only way a write
// fails is that memory runs out, so a document that hit the wall can still be
// saved, with exactly what was written before the failed call.
#pragma once

#include <cstring>

#include "document.h"
#include "sequence.h"

class UndoOnFailure {
public:
    explicit UndoOnFailure(VelDocRecord* doc)
        : doc_(doc),
          stream_(*doc->Stream),
          fontCount_(doc->FontCount),
          colorCount_(doc->ColorCount),
          seqState_(doc->SeqState),
          paraClosed_(doc->ParaClosed),
          tableLevel_(doc->TableLevel),
          cellTextCount_(doc->CellTextCount),
          cellCount_(doc->CellCount),
          cellEdge_(doc->CellEdge)
    {
    }

    UndoOnFailure(const UndoOnFailure&) = delete;
    UndoOnFailure& operator=(const UndoOnFailure&) = delete;

    ~UndoOnFailure()
    {
        if (!committed_) Restore();
    }

    // Keeps what the operation did; gives 1, the operation's result.
    int Commit()
    {
        committed_ = true;
        return 1;
    }

    // The sequence check refused the call: what its own section calls did
    // stands. Gives 0, the operation's result.
    int Refused()
    {
        committed_ = true;
        return 0;
    }

private:
    // The scalars of the stream as they were. The pending line's bytes are
    // not copied: the line only grows until a flush, and the first flush
    // moved the old line, unchanged, to where the body used to end.
    struct StreamScalars {
        explicit StreamScalars(const RtfStream& s)
            : bodyLength(s.BodyLength),
              lineLength(s.LineLength),
              pendingSpace(s.PendingSpace),
              noBreak(s.NoBreak),
              groupDepth(s.GroupDepth),
              streamMode(s.StreamMode)
        {
        }
        int bodyLength, lineLength, pendingSpace, noBreak, groupDepth;
        unsigned streamMode;
    };

    void Restore()
    {
        RtfStream* s = doc_->Stream;
        if (s->BodyLength > stream_.bodyLength) {
            std::memcpy(s->Line, s->Body + stream_.bodyLength, static_cast<size_t>(stream_.lineLength));
        }
        s->BodyLength = stream_.bodyLength;
        s->LineLength = stream_.lineLength;
        s->PendingSpace = stream_.pendingSpace;
        s->NoBreak = stream_.noBreak;
        s->GroupDepth = stream_.groupDepth;
        s->StreamMode = stream_.streamMode;
        doc_->FontCount = fontCount_;
        doc_->ColorCount = colorCount_;
        // A message box shown on the way stays shown.
        doc_->SeqState = seqState_ | (doc_->SeqState & SEQ_ERROR_SHOWN);
        doc_->ParaClosed = paraClosed_;
        doc_->TableLevel = tableLevel_;
        doc_->CellTextCount = cellTextCount_;
        doc_->CellCount = cellCount_;
        doc_->CellEdge = cellEdge_;
    }

    VelDocRecord* doc_;
    StreamScalars stream_;
    int fontCount_;
    int colorCount_;
    unsigned seqState_;
    int paraClosed_;
    int tableLevel_;
    int cellTextCount_;
    int cellCount_;
    int cellEdge_;
    bool committed_ = false;
};
