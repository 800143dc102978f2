// Pictures under failure: every allocation of every reader failing in turn,
// every file read stopping short, files of 2 GB and more. Each time the
// document stays as it was, the report is made, and no file or block is left
// behind (LeakSanitizer sees the blocks, the descriptor count the files).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "picture_bytes.h"
#include "rtf_test.h"
#include "seam_test.h"

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

using Operation = std::function<int(HVELDOC)>;
const unsigned kModern = DOCFLAG_MODERN_PICTURES;

int InsertFile(HVELDOC doc, const std::string& name, const std::string& bytes)
{
    return VelInsertPictFile(doc, WriteTempFile(name, bytes).c_str(), 0, 0, 0);
}

// A picture of every kind, from a file and from a handle. The host's
// objects are made once, outside the calls swept, and live as long as the
// kinds do.
struct Kind {
    const char* what;
    Operation insert;
};

struct HostObjects {
    HGLOBAL dib = BlockOf(PackedDib(40, 30, 8));
    HGLOBAL coreDib = BlockOf(PackedDib(40, 30, 1, true));
    HMETAFILE metafile = MetafileOf(Metafile(std::string(600, '\0')));
    HGLOBAL pict = MetafilePictOf(MM_ANISOTROPIC, 2540, 1270, metafile);
    HENHMETAFILE emf = EnhMetafileOf(EnhMetafile(200, 100, 960, 480, 254, 127, std::string(600, '\0')));
    HGLOBAL png = BlockOf(Png(30, 20, std::string(512, 'd')));
    HostObjects() = default;
    HostObjects(const HostObjects&) = delete;
    HostObjects& operator=(const HostObjects&) = delete;
    ~HostObjects()
    {
        GlobalFree(dib), GlobalFree(coreDib), GlobalFree(pict), GlobalFree(png);
        DeleteMetaFile(metafile), DeleteEnhMetaFile(emf);
    }
};

std::vector<Kind> Kinds(const HostObjects& host)
{
    const std::string jpeg = JfifJpeg(3000), bmp = BitmapFile(PackedDib(40, 30, 24), 40);
    const std::string core = BitmapFile(PackedDib(40, 30, 4, true), 12 + 48);
    const std::string wmf = PlaceableMetafile(0, 0, 200, 100, 96, Metafile(std::string(600, '\0')));
    const std::string emf = EnhMetafile(200, 100, 960, 480, 254, 127, std::string(600, '\0'));
    const std::string png = Png(30, 20, std::string(512, 'd'));
    const HostObjects* h = &host;
    return {
        {"JPEG file", [=](HVELDOC d) { return InsertFile(d, "velrtf-unit.jpg", jpeg); }},
        {"bitmap file", [=](HVELDOC d) { return InsertFile(d, "velrtf-unit.bmp", bmp); }},
        {"core bitmap file", [=](HVELDOC d) { return InsertFile(d, "velrtf-unit-core.bmp", core); }},
        {"placeable metafile", [=](HVELDOC d) { return InsertFile(d, "velrtf-unit.wmf", wmf); }},
        {"enhanced metafile file", [=](HVELDOC d) { return InsertFile(d, "velrtf-unit.emf", emf); }},
        {"linked picture", [](HVELDOC d) { return VelInsertPictFile(d, "C:\\pictures\\a.png", 100, 100, 1); }},
        {"packed bitmap", [h](HVELDOC d) { return VelPastePicture(d, CF_DIB, h->dib, 0, 0); }},
        {"core packed bitmap", [h](HVELDOC d) { return VelPastePicture(d, CF_DIB, h->coreDib, 0, 0); }},
        {"metafile picture", [h](HVELDOC d) { return VelPastePicture(d, CF_METAFILEPICT, h->pict, 0, 0); }},
        {"enhanced metafile", [h](HVELDOC d) { return VelPastePicture(d, CF_ENHMETAFILE, h->emf, 0, 0); }},
        // PNG, read by documents that ask for it.
        {"PNG file", [=](HVELDOC d) { return VelSetFlags(d, 1, kModern), InsertFile(d, "velrtf-unit.png", png); }},
        {"PNG block",
         [h](HVELDOC d) { return VelSetFlags(d, 1, kModern), VelPastePicture(d, RegisterClipboardFormatA("PNG"), h->png, 0, 0); }},
    };
}

// Text first, so that a section is open before the picture comes.
void SomeText(HVELDOC doc)
{
    VelInsertText(doc, "Before the picture ");
}

// Open descriptors of this process (-1 where it cannot be told).
int OpenFiles()
{
#ifdef _WIN32
    return -1;
#else
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir)) ++count;
        closedir(dir);
    }
    return count;
#endif
}

}  // namespace

TEST(PictureFaults, EveryAllocationFails)
{
    int files = OpenFiles();
    HostObjects host;
    for (const Kind& kind : Kinds(host)) {
        SCOPED_TRACE(kind.what);
        EXPECT_GE(SweepAllocationFailures(SomeText, kind.insert, true), 1);
    }
    EXPECT_EQ(OpenFiles(), files);
}

TEST(PictureFaults, EveryFileReadStopsShort)
{
    int files = OpenFiles();
    VelSetFlags(nullptr, 1, DOCFLAG_QUIET);
    HostObjects host;
    for (const Kind& kind : Kinds(host)) {
        SCOPED_TRACE(kind.what);
        for (int nth = 1; nth < 20; ++nth) {
            TestDoc doc;
            VelSetFlags(doc, 1, DOCFLAG_QUIET);
            SomeText(doc);
            std::string before = SavedRtf(doc);
            VelResetLastMessage();
            VelTestFailFileRead(nth);
            int result = kind.insert(doc);
            VelTestFailFileRead(0);
            if (SavedRtf(doc) != before) {  // no read of this call failed
                EXPECT_EQ(result, 1) << nth;
                break;
            }
            // A reader that fails on its first header gives 0 without a
            // report; any later failure is reported.
            if (result != 0) {
                EXPECT_NE(VelGetLastMessage(nullptr, nullptr), 0) << nth << ": 1 without a report";
            }
        }
    }
    EXPECT_EQ(OpenFiles(), files);
}

TEST(PictureFaults, ResolutionOf120)
{
    VelTestSetScreenResolution(120, 120);
    TestDoc doc;
    HGLOBAL block = BlockOf(PackedDib(120, 60, 24));
    EXPECT_EQ(VelPastePicture(doc, CF_DIB, block, 0, 0), 1);
    GlobalFree(block);
    VelTestSetScreenResolution(0, 0);
    EXPECT_NE(SavedRtf(doc).find("\\picw120\\pich60\\picwgoal1440\\pichgoal720\\picscalex100"), std::string::npos);
}

#ifndef _WIN32
// Files of 2 GB and more (sparse, so nothing is written to disk), and files
// whose hex would pass the document's 2^31 - 1 bytes, fail as a failed
// allocation before anything is read.
TEST(PictureFaults, FilesBeyondTheDocumentLimit)
{
    struct Big {
        const char* what;
        std::string head;
        off_t size;
    } bigs[] = {
        {"a 3 GB bitmap", BitmapFile(PackedDib(2, 2, 24), 40), off_t{3} << 30},
        {"a 1.1 GB JPEG", JfifJpeg(), off_t{11} << 27},
        {"a 2 GB placeable metafile", PlaceableMetafile(0, 0, 9, 9, 96), off_t{2} << 30},
    };
    for (const Big& big : bigs) {
        SCOPED_TRACE(big.what);
        std::string path = WriteTempFile("velrtf-unit-big.bin", big.head);
        ASSERT_EQ(truncate(path.c_str(), big.size), 0);
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        SomeText(doc);
        std::string before = SavedRtf(doc);
        VelResetLastMessage();
        EXPECT_EQ(VelInsertPictFile(doc, path.c_str(), 0, 0, 0), 0);
        EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 23);
        EXPECT_EQ(SavedRtf(doc), before);
        unlink(path.c_str());
    }
}
#endif
