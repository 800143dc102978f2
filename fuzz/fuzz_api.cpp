// Drives the whole API with calls decoded from the input: any sequence, any
// arguments, failed allocations now and then. Whatever happens, nothing may
// crash, leak or overrun, and every save must give well-formed RTF: braces
// balanced, no line longer than 302 bytes with its CR LF, no line ending
// right after a backslash.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "platform/seams.h"
#include "velrtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QuietReports();
    FuzzInput in{data, size};
    HVELDOC doc = VelNewDoc();
    if (!doc) return 0;
    VelSetFlags(doc, 1, DOCFLAG_QUIET);
    int groups = 0;  // the host's own groups, closed no more often than opened
    while (in.at < in.size) {
        unsigned op = in.Byte();
        if (op % 16 == 15) VelTestFailAllocation(1 + static_cast<int>(in.Byte() % 4));
        std::string s = in.Text();
        int a = in.Int(), b = in.Int(), c = in.Int(), d = in.Int();
        unsigned u = static_cast<unsigned>(in.Int());
        switch (op % 45) {
        case 0: VelInsertText(doc, s.c_str()); break;
        case 1: {
            std::u16string units;
            for (char ch : s) units += static_cast<char16_t>(static_cast<unsigned char>(ch) * 257);
            VelInsertUText(doc, reinterpret_cast<const VELWCHAR*>(units.c_str()));
            break;
        }
        case 2: VelTextFont3(doc, s.c_str(), a, u, b, c, d & 1); break;
        case 3: VelTextColor2(doc, u, a, b & 1); break;
        case 4: VelBeginScriptStyle(doc, a); break;
        case 5: VelEndScriptStyle(doc); break;
        case 6: VelResetTextProp(doc), VelCharStyleId(doc, a); break;
        case 7: VelParaFlags(doc, u); break;
        case 8: VelParaIndent(doc, a, b, c), VelParaSpace(doc, b, c, d); break;
        case 9: VelParaShadeColor(doc, a, u); break;
        case 10: VelParaStyleId(doc, a), VelResetParaProp(doc); break;
        case 11: VelParaTabStop(doc, a % 5, b, c % 6); break;
        case 12: VelParaBullet(doc, a & 1, b % 9, c % 12, d, s.c_str(), s.c_str() + s.size() / 2, u); break;
        case 13: VelInsertBreak(doc, a % 4); break;
        case 14: VelInitSect(doc); break;
        case 15: VelBeginSectText(doc); break;
        case 16: VelPaper(doc, a, b, c & 1); break;
        case 17: VelMargin(doc, a, b, c, d, a, b); break;
        case 18: VelSectInfo(doc, a % 5, b, c & 1, d % 5); break;
        case 19: VelBeginHdrFtr(doc, a % 10); break;
        case 20: VelEndHdrFtr(doc); break;
        case 21: VelBeginStyleSheet(doc); break;
        case 22: VelBeginStyleItem(doc, a & 1, b % 30, s.c_str()); break;
        case 23: VelEndStyleItem(doc); break;
        case 24: VelEndStyleSheet(doc); break;
        case 25: VelBeginTableRow2(doc, a, b, u, c & 1, d % 300, a % 300, b % 300, c % 300); break;
        case 26: VelNextCellInfo3(doc, a % 5000, u % 4, b % 150, u, c % 50, d % 50, a % 50, b % 50, u, u, d); break;
        case 27: VelBeginCellText(doc); break;
        case 28: VelEndCellText(doc); break;
        case 29: VelEndTableRow(doc); break;
        case 30: VelBeginFrame(doc, a & 1, b, c, d, a); break;
        case 31: VelEndFrame(doc); break;
        case 32: VelBeginTextBox2(doc, a & 1, b, c, d, a, b, u, u >> 8, c, d & 1, a % 360); break;
        case 33: VelEndTextBox(doc); break;
        case 34: VelDrawRect(doc, a & 1, b, c, d, a, b, u, u >> 8, c, d & 1); break;
        case 35: VelDrawLine(doc, a & 1, b, c, d, a, b, u, c); break;
        case 36: VelInsertPageField(doc, a & 1), VelInsertTocField(doc, b, c); break;
        case 37: VelInsertMergeField(doc, s.c_str(), s.c_str() + s.size() / 3); break;
        case 38: VelInsertFootnote(doc, s.c_str() + s.size() / 2, s.c_str()); break;
        case 39: VelInsertBookmark(doc, s.c_str(), a & 1); break;
        case 40:
            if (VelBeginGroup(doc, (a & 1) ? "fuzz" : nullptr, b & 1)) ++groups;
            break;
        case 41:
            if (groups > 0 && VelEndGroup(doc)) --groups;
            break;
        case 42: VelInsertControl(doc, s.empty() ? "x" : in.Text(true).c_str(), a & 1, b); break;
        case 43: VelInsertRaw(doc, in.Text(true).c_str()); break;
        case 44: VelInsertPictFile(doc, s.c_str(), a, b, 1); break;  // a linked picture: any path
        }
        VelTestFailAllocation(0);
        if (op % 8 == 0) SavedAndChecked(doc);
    }
    VelEndDoc(doc);
    return 0;
}
