// Reader documents of PNG and every JPEG (DOCFLAG_MODERN_PICTURES): the
// example photograph rewritten to begin with an Exif segment instead of
// JFIF, a PNG file at its natural size, and a PNG handed over in a block
// under the registered clipboard format "PNG" at an asked size.
#include <string>

#include "picture_bytes.h"
#include "reader_docs.h"
#include "rtf_test.h"

namespace {

// The photograph with its JFIF segment (APP0) replaced by a short Exif one
// (APP1: "Exif", a big-endian TIFF header and an empty directory), as
// cameras write them.
std::string ExifPhotograph()
{
    std::string jfif = ReadFileBytes(VELRTF_EXAMPLE_PICTURES "/landscape.jpg");
    size_t afterApp0 = 4 + (static_cast<unsigned char>(jfif[4]) << 8 | static_cast<unsigned char>(jfif[5]));
    std::string exif("\xFF\xE1\x00\x16" "Exif\0\0" "MM\0*\0\0\0\x08" "\0\0" "\0\0\0\0", 24);
    return jfif.substr(0, 2) + exif + jfif.substr(afterApp0);
}

}  // namespace

READER_DOC(pictures_modern)
{
    VelSetFlags(doc, 1, DOCFLAG_MODERN_PICTURES);
    VelInsertText(doc, "An Exif photograph at its own size:\r\n");
    VelInsertPictFile(doc, WriteBeside("modern_photo.jpg", ExifPhotograph()).c_str(), 0, 0, 0);
    VelInsertText(doc, "\r\nA PNG at its own size:\r\n");
    VelInsertPictFile(doc, WriteBeside("modern_bands.png", RgbPng(120, 80)).c_str(), 0, 0, 0);
    VelInsertText(doc, "\r\nA PNG from a block, at 2 x 1.3333 inches:\r\n");
    PasteBlock(doc, RegisterClipboardFormatA("PNG"), RgbPng(90, 60), 2880, 1920);
    VelInsertText(doc, "\r\n");
}
