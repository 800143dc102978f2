// The picture-file readers: any bytes as a picture file. The first byte
// picks what the file starts with, so that the probe sends inputs to every
// reader: a bitmap file header with its offset to the bits and its header
// size, the placeable-metafile key, an enhanced-metafile header with its
// signature, the JFIF marker, any JPEG's start, a PNG's signature and IHDR
// (read when the document asks for them), or nothing at all. Sizes and the
// text before
// the picture (which sets where on its line the hex begins) come from the
// input, and now and then an allocation fails or a read stops short.
// Whatever happens, nothing may crash, leak or overrun; every save is
// well-formed; a call that gives 0 leaves the document as it was; and a JPEG
// or enhanced metafile that was written is the whole file, byte for byte.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "fuzz_support.h"
#include "platform/seams.h"
#include "velrtf.h"

namespace {

// A scratch file of this process's own, so that parallel runs do not meet.
const std::string& ScratchPath()
{
    static const std::string path = [] {
        std::random_device random;
        auto name = "velrtf-fuzz-" + std::to_string(random()) + ".pic";
        return (std::filesystem::temp_directory_path() / name).string();
    }();
    return path;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string Le32(uint32_t value)
{
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}

// The start of the file, chosen by the input.
std::string FilePrefix(FuzzInput& in, unsigned kind)
{
    switch (kind) {
    case 0: {
        // "BM", the file size and reserved words, the offset to the bits,
        // and the size of the header after the file header.
        std::string head = "BM" + in.Bytes(8);
        unsigned offset = in.Byte();
        switch (offset % 3) {
        case 0: head += Le32(14 + 12 + 3 * in.Byte()); break;
        case 1: head += Le32(14 + 40 + 4 * in.Byte()); break;
        default: head += Le32(in.U32()); break;
        }
        unsigned header = in.Byte();
        switch (header % 3) {
        case 0: return head + Le32(12);
        case 1: return head + Le32(40);
        default: return head;
        }
    }
    case 1: return Le32(0x9AC6CDD7);                 // the placeable key
    case 2: return in.Bytes(40) + Le32(0x464D4520);  // " EMF" at 40
    case 3: return in.Bytes(6) + "JFIF";             // the JFIF marker at 6
    case 4: return std::string("\xFF\xD8\xFF", 3);  // any JPEG, read with DOCFLAG_MODERN_PICTURES
    case 5: {
        // A PNG's signature and an IHDR chunk of any size (read with the flag).
        std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
        return png + in.Bytes(8);
    }
    default: return "";
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QuietReports();
    FuzzInput in{data, size};
    unsigned kind = in.Byte() % 7;
    unsigned failure = in.Byte();
    int width = in.Int(), height = in.Int();
    std::string before(in.Byte(), 'x');
    std::string file = FilePrefix(in, kind);
    file += in.Rest();
    const std::string& path = ScratchPath();
    if (!WriteFile(path, file)) return 0;

    HVELDOC doc = VelNewDoc();
    if (!doc) return 0;
    VelSetFlags(doc, 1, DOCFLAG_QUIET | ((failure & 0x20) ? DOCFLAG_MODERN_PICTURES : 0));
    VelInsertText(doc, before.c_str());
    std::string was = SavedAndChecked(doc);
    if (failure & 0x80) VelTestFailAllocation(1 + static_cast<int>(failure % 8));
    if (failure & 0x40) VelTestFailFileRead(1 + static_cast<int>(failure / 8 % 4));
    int result = VelInsertPictFile(doc, path.c_str(), width, height, 0);
    VelTestFailAllocation(0);
    VelTestFailFileRead(0);
    std::string rtf = SavedAndChecked(doc);
    if (!result && rtf != was) FuzzFail("a call that gave 0 changed the document", rtf);
    std::string hex;
    if (result && (PictureHex(rtf, "\\jpegblip", &hex) || PictureHex(rtf, "\\emfblip", &hex)) && hex != HexOf(file)) {
        FuzzFail("the picture's data is not the file", rtf);
    }
    // A PNG is the file up to the end of its IEND chunk.
    if (result && PictureHex(rtf, "\\pngblip", &hex) && HexOf(file).compare(0, hex.size(), hex) != 0) {
        FuzzFail("the PNG's data is not the start of the file", rtf);
    }
    // Text after the picture continues its last line by the usual rules.
    VelInsertText(doc, "after {the} picture");
    SavedAndChecked(doc);
    VelEndDoc(doc);
    std::remove(path.c_str());
    return 0;
}
