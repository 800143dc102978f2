// Pictures on a page of their own: a photograph, a bitmap chart, a metafile
// drawing and an enhanced metafile read from files, a bitmap the host made
// in memory and hands over as a handle, and a linked picture. The files are
// read from the folder pictures/ beside the document (scripts/demo and the
// build copy them there from examples/pictures/); the linked picture names
// its file by that relative path, so the document and its pictures travel
// together.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "demo.h"

namespace {

constexpr unsigned kNavy = 0x800000;  // red in the low byte

void Heading(HVELDOC doc, const char* text)
{
    VelTextFont(doc, "Arial", 14, CHAR_BOLD, 1);
    VelTextColor(doc, kNavy, 1);
    VelInsertText(doc, text);
    VelResetTextProp(doc);
}

void Caption(HVELDOC doc, const char* text)
{
    VelTextFont(doc, "Arial", 9, CHAR_ITALIC, 1);
    VelInsertText(doc, text);
    VelResetTextProp(doc);
}

void PutLe(std::vector<unsigned char>& out, unsigned value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A colour spectrum as a packed 24-bit DIB in a movable memory block, the
// way a host holds a bitmap it has drawn: hues from left to right, light at
// the top to dark at the bottom. The caller frees the block.
HGLOBAL SpectrumDib(int width, int height)
{
    int rowBytes = (width * 3 + 3) / 4 * 4;
    std::vector<unsigned char> dib;
    PutLe(dib, 40, 4);                    // biSize
    PutLe(dib, width, 4);                 // biWidth
    PutLe(dib, height, 4);                // biHeight: bottom row first
    PutLe(dib, 1, 2);                     // biPlanes
    PutLe(dib, 24, 2);                    // biBitCount
    PutLe(dib, 0, 4);                     // biCompression: none
    PutLe(dib, rowBytes * height, 4);     // biSizeImage
    for (int i = 0; i < 4; ++i) PutLe(dib, 0, 4);  // resolution and colours: none given
    for (int y = height - 1; y >= 0; --y) {
        double t = static_cast<double>(y) / (height - 1);  // 0 at the top, 1 at the bottom
        for (int x = 0; x < width; ++x) {
            double hue = 6.0 * x / width;
            double levels[3] = {std::fabs(hue - 3.0) - 1.0, 2.0 - std::fabs(hue - 2.0), 2.0 - std::fabs(hue - 4.0)};
            unsigned char rgb[3];
            for (int c = 0; c < 3; ++c) {
                double level = levels[c] < 0.0 ? 0.0 : levels[c] > 1.0 ? 1.0 : levels[c];
                level = t < 0.5 ? level + (1.0 - level) * (0.5 - t) * 1.6 : level * (1.0 - (t - 0.5) * 1.6);
                rgb[c] = static_cast<unsigned char>(255.0 * level + 0.5);
            }
            dib.insert(dib.end(), {rgb[2], rgb[1], rgb[0]});  // blue, green, red
        }
        dib.resize(dib.size() + static_cast<size_t>(rowBytes - width * 3), 0);
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, dib.size());
    if (void* data = block ? GlobalLock(block) : nullptr) {
        std::memcpy(data, dib.data(), dib.size());
        GlobalUnlock(block);
    }
    return block;
}

// A cell holding a centred picture above its caption.
void PictureCell(HVELDOC doc, const std::string& file, int width, int height, const char* caption)
{
    VelBeginCellText(doc);
    VelParaFlags(doc, PARA_CENTER);
    VelParaSpace(doc, 120, 60, -1);
    if (file.empty()) {  // the spectrum, handed over in memory
        HGLOBAL dib = SpectrumDib(200, 120);
        VelPastePicture(doc, CF_DIB, dib, width, height);
        GlobalFree(dib);  // the block stays the host's
    } else {
        VelInsertPictFile(doc, file.c_str(), width, height, 0);
    }
    VelInsertText(doc, "\r\n");
    Caption(doc, caption);
    VelEndCellText(doc);
}

void TwoCellRow(HVELDOC doc)
{
    VelBeginTableRow(doc, 0, 0, ROW_CENTER, 0, 108);
    for (int i = 0; i < 2; ++i) VelNextCellInfo(doc, 4680, CELL_VALIGN_BOTTOM, 0, 0xFFFFFF, 0, 0, 0, 0, 0);
}

}  // namespace

void DemoPictures(HVELDOC doc, const std::string& folder)
{
    VelInsertBreak(doc, BREAK_SECT);
    VelInitSect(doc);
    VelPaper(doc, 12240, 15840, 0);
    VelMargin(doc, 1440, 1440, 1440, 1440, -1, -1);
    VelBeginSectText(doc);
    VelResetParaProp(doc);
    VelResetTextProp(doc);

    Heading(doc, "Pictures\r\n");
    VelInsertText(doc, "Pictures come from files, recognised by their content, or from the host's memory, "
                       "and are embedded in the document as hexadecimal data. A width and height of 0 show "
                       "a picture at its natural size; other sizes scale it.\r\n");

    TwoCellRow(doc);
    PictureCell(doc, folder + "/landscape.jpg", 4320, 2808,
                "A photograph: a JPEG file, shown at 3 in \xD7 1.95 in.");
    PictureCell(doc, folder + "/chart.bmp", 0, 0, "A bar chart: a 16-colour bitmap file, at its natural size.");
    VelEndTableRow(doc);
    TwoCellRow(doc);
    PictureCell(doc, folder + "/house.wmf", 3600, 2400,
                "A drawing: a placeable Windows metafile of 3 in \xD7 2 in, shown at 2.5 in \xD7 1.67 in.");
    PictureCell(doc, "", 0, 0, "A colour spectrum the host computed, handed over in memory as a DIB.");
    VelEndTableRow(doc);

    VelParaFlags(doc, PARA_CENTER);
    VelParaSpace(doc, 240, 60, -1);
    VelInsertPictFile(doc, (folder + "/flow.emf").c_str(), 0, 0, 0);
    VelInsertText(doc, "\r\n");
    Caption(doc, "An enhanced metafile of shapes and text, at its natural size.\r\n");

    // Linked, not embedded: a reader that follows the link fetches the file
    // when it shows the page (LibreOffice 7.4 shows only a dot). The size
    // goes in the library's own words, which readers skip.
    VelResetParaProp(doc);
    VelParaSpace(doc, 240, 0, -1);
    VelInsertText(doc, "A linked picture follows: the document names the file pictures/landscape.jpg and "
                       "does not hold it. ");
    VelInsertPictFile(doc, "pictures/landscape.jpg", 2160, 1404, 1);
    VelInsertText(doc, "\r\n");
}
