// Saving to memory and to files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include "rtf_cases.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for a test's files.
struct Folder {
    fs::path path;
    explicit Folder(const std::string& name) : path(TempPath(name))
    {
        Clear();
        fs::create_directories(path);
    }
    ~Folder() { Clear(); }
    void Clear()
    {
        std::error_code ignored;
        if (fs::exists(path, ignored)) fs::permissions(path, fs::perms::all, ignored);
        fs::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    // Every entry below the folder, links as links, with its permissions.
    std::string Listing() const
    {
        std::vector<std::string> lines;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path)) {
            std::string line = entry.path().lexically_relative(path).generic_string();
            if (entry.is_symlink()) line.append(" -> ").append(fs::read_symlink(entry.path()).generic_string());
            else line.append(" ").append(std::to_string(static_cast<int>(entry.status().permissions())));
            lines.push_back(line);
        }
        std::sort(lines.begin(), lines.end());
        std::string all;
        for (const std::string& line : lines) all += line + "\n";
        return all;
    }
};

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(Save, NewDocumentToMemory)
{
    TestDoc doc;
    int length = 0;
    HGLOBAL block = VelGetData(doc, &length);
    ASSERT_TRUE(block);
    EXPECT_EQ(length, 31);  // the text and its NUL
#ifndef _WIN32
    EXPECT_EQ(GlobalSize(block), 53u);  // the size bound of the save
#endif
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(block)), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
    GlobalUnlock(block);
    GlobalFree(block);
    for (const char* path : {"", static_cast<const char*>(nullptr)}) {  // memory again, the handle returned
        auto handle = reinterpret_cast<HGLOBAL>(VelSaveFile(doc, path));
        ASSERT_NE(reinterpret_cast<intptr_t>(handle), 1);
        EXPECT_STREQ(static_cast<const char*>(GlobalLock(handle)), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj}");
        GlobalUnlock(handle);
        GlobalFree(handle);
    }
    // To a file: see ReplacesTheFileInOneStep.
}

TEST(Save, SavingChangesNothingAndClosesOpenGroups)
{
    TestDoc doc;
    VelInsertText(doc, "Hello\r\n");
    EXPECT_EQ(SavedRtf(doc), "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd Hello\\par\r\n}");
    VelBeginGroup(doc, "a", 0), VelBeginGroup(doc, "b", 0);
    std::string once = SavedRtf(doc);
    EXPECT_EQ(once, Document("\\sectd Hello\\par\r\n{\\a\r\n{\\b}}"));
    EXPECT_EQ(SavedRtf(doc), once);
    VelInsertText(doc, "more");
    EXPECT_EQ(SavedRtf(doc), Document("\\sectd Hello\\par\r\n{\\a\r\n{\\b more}}"));
    // More groups closed than opened: only the final brace, and the save works.
    TestDoc under;
    VelEndGroup(under), VelEndGroup(under);
    EXPECT_EQ(SavedRtf(under), Document("}\r\n}\r\n"));
}

TEST(Save, FailuresAndLargeDocuments)
{
    TestDoc doc;
    VelResetLastMessage();
    EXPECT_EQ(VelSaveFile(doc, TempPath("velrtf-no-such-folder/y.rtf").c_str()), 0);
    EXPECT_EQ(LastMessage(), "5 VelSave: Could Not Open the File.");
    int length = 7;
    EXPECT_EQ(VelGetData(nullptr, &length), nullptr);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(VelSaveFile(nullptr, "x.rtf") + VelEndDoc(nullptr), 0);
    // A color table and closing braces longer than the file's staging buffer.
    for (unsigned color = 0; color < 300; ++color) VelTextColor2(doc, color * 0x10101, 1, 0);
    for (int i = 0; i < 20000; ++i) VelInsertText(doc, "The quick brown fox jumps over the lazy dog.\r\n");
    for (int i = 0; i < 5000; ++i) VelBeginGroup(doc, nullptr, 0);
    std::string memory = SavedRtf(doc);
    EXPECT_GT(memory.size(), 900000u);
    std::string path = TempPath("velrtf-save-large.rtf");
    ASSERT_EQ(VelSaveFile(doc, path.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(path), memory);
    std::remove(path.c_str());
}

// A save never truncates a file: it writes a temporary file beside it and puts
// that in its place. No temporary file stays behind, a new file is made as
// any other, and a path that names a folder is refused with error 5.
TEST(Save, ReplacesTheFileInOneStep)
{
    Folder folder("velrtf-save-replace");
    TestDoc doc;
    VelInsertText(doc, "new\r\n");
    WriteBytes(folder / "old.rtf", std::string(5000, 'o'));
    WriteBytes(folder / "reference", "");
    fs::create_directory(folder / "sub");
    const std::string before = folder.Listing();
    ASSERT_EQ(VelSaveFile(doc, (folder / "old.rtf").c_str()), 1);
    EXPECT_EQ(folder.Listing(), before);
    ASSERT_EQ(VelSaveFile(doc, (folder / "new.rtf").c_str()), 1);
    EXPECT_EQ(fs::status(folder / "new.rtf").permissions(), fs::status(folder / "reference").permissions());
    for (const char* name : {"old.rtf", "new.rtf"}) EXPECT_EQ(ReadFileBytes(folder / name), SavedRtf(doc)) << name;
    fs::remove(folder / "new.rtf");
    VelResetLastMessage();
    EXPECT_EQ(VelSaveFile(doc, (folder / "sub").c_str()), 0);
    EXPECT_EQ(LastMessage(), "5 VelSave: Could Not Open the File.");
    EXPECT_EQ(folder.Listing(), before);
}

#ifndef _WIN32
namespace {

// A document of about 2 MB.
void FillLarge(HVELDOC doc)
{
    for (int i = 0; i < 40000; ++i) VelInsertText(doc, "The quick brown fox jumps over the lazy dog.\r\n");
}

// Files may grow to `bytes` only, and a write beyond fails instead of
// ending the process.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, SIG_DFL);
    }
};

// Runs `save` as a user other than the folder's owner (nobody, when the tests
// run as root) and gives its result.
int SaveAsAnotherUser(const std::function<int()>& save)
{
    if (geteuid() != 0) return save();
    pid_t child = fork();
    if (child == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 ? save() : 9);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 9;
}

}  // namespace

// A save that fails part-way (here at a file-size limit) leaves the previous
// file byte for byte, with its permissions, and a link stays a link whose
// target is replaced. A new file is made only when the save succeeds.
// POSIX only: links, modes and the file-size limit.
TEST(Save, AFailedSaveLeavesTheFileAsItWas)
{
    const struct {
        const char* what;
        const char* path;   // the save's
        const char* holds;  // the file that holds the document
    } cases[] = {
        {"a file", "doc.rtf", "doc.rtf"},
        {"a link to a file in another folder", "link.rtf", "sub/real.rtf"},
        {"a link to a link", "chain.rtf", "sub/real.rtf"},
        {"a dangling link", "dangling.rtf", "sub/later.rtf"},
        {"a new file", "new.rtf", "new.rtf"},
    };
    TestDoc doc;
    FillLarge(doc);
    const std::string saved = SavedRtf(doc);
    for (const auto& c : cases) {
        for (bool fail : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (fail ? ", failing" : ", succeeding"));
            Folder folder("velrtf-save-fail");
            WriteBytes(folder / "doc.rtf", "previous document");
            fs::create_directory(folder / "sub");
            WriteBytes(folder / "sub/real.rtf", "previous real document");
            fs::permissions(folder / "doc.rtf", fs::perms(0640));
            fs::permissions(folder / "sub/real.rtf", fs::perms(0604));
            fs::create_symlink("sub/real.rtf", folder / "link.rtf");
            fs::create_symlink("link.rtf", folder / "chain.rtf");
            fs::create_symlink("sub/later.rtf", folder / "dangling.rtf");
            const std::string before = folder.Listing(), previous = ReadFileBytes(folder / c.holds);
            VelResetLastMessage();
            int result;
            {
                FileSizeLimit limit(fail ? 1000 : RLIM_INFINITY);
                result = VelSaveFile(doc, (folder / c.path).c_str());
            }
            EXPECT_EQ(result, fail ? 0 : 1);
            EXPECT_EQ(LastMessage(), "0 : No User Error");  // a failed write is not reported
            EXPECT_EQ(ReadFileBytes(folder / c.holds), fail ? previous : saved);
            std::string after = folder.Listing();
            if (!fail && previous == "<missing>") {  // the one new entry, as any new file
                std::string entry = fs::path(c.holds).generic_string() + " ";
                size_t at = after.find(entry);
                ASSERT_NE(at, std::string::npos) << after;
                after.erase(at, after.find('\n', at) + 1 - at);
            }
            EXPECT_EQ(after, before);
        }
    }
}

// What a save does not replace is written in place and never removed: a
// device, a FIFO, a writable file in a folder that takes no new file, another
// user's file in a shared folder that it could not replace.
// POSIX only: devices, FIFOs, users.
TEST(Save, WhatCannotBeReplacedIsWrittenInPlace)
{
    TestDoc doc;
    FillLarge(doc);
    const std::string saved = SavedRtf(doc);
    // A device that takes no byte (a node of its own, so that a fault cannot
    // remove the system's /dev/full) and a FIFO, read whole, then read in
    // part: the save fails or succeeds, and each stays what it was.
    Folder folder("velrtf-save-inplace");
    std::string full = folder / "full", fifo = folder / "fifo";
    if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 && geteuid() != 0) full = "/dev/full";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string before = folder.Listing();
    struct stat info{};
    if (stat(full.c_str(), &info) == 0 && S_ISCHR(info.st_mode)) {
        EXPECT_EQ(VelSaveFile(doc, full.c_str()), 0);
        EXPECT_TRUE(stat(full.c_str(), &info) == 0 && S_ISCHR(info.st_mode));
    }
    signal(SIGPIPE, SIG_IGN);
    for (size_t readUpTo : {saved.size() + 1, size_t{100}}) {
        std::string got;
        std::thread reader([&] {
            int fd = open(fifo.c_str(), O_RDONLY);
            char buffer[4096];
            ssize_t n;
            while (got.size() < readUpTo && (n = read(fd, buffer, sizeof buffer)) > 0) got.append(buffer, n);
            close(fd);
        });
        int result = VelSaveFile(doc, fifo.c_str());
        reader.join();
        EXPECT_EQ(result, readUpTo > saved.size() ? 1 : 0);
        if (result) {
            EXPECT_EQ(got, saved);
        }
        EXPECT_EQ(folder.Listing(), before);
    }
    signal(SIGPIPE, SIG_DFL);
    // A writable file in a folder that takes no new file, and another user's
    // file in a shared folder (sticky, like /tmp), which it may not replace.
    for (fs::perms mode : {fs::perms(0555), fs::perms(01777)}) {
        Folder shared("velrtf-save-shared");
        std::string path = shared / "doc.rtf";
        WriteBytes(path, "previous document");
        fs::permissions(path, fs::perms(0666));
        fs::permissions(shared.path, mode);
        const std::string before = shared.Listing();
        EXPECT_EQ(SaveAsAnotherUser([&] { return static_cast<int>(VelSaveFile(doc, path.c_str())); }), 1);
        EXPECT_EQ(ReadFileBytes(path), saved);
        EXPECT_EQ(shared.Listing(), before);
    }
}
#endif
