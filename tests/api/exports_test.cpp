// The library exports exactly the functions that velrtf.h declares, under
// their plain names, and nothing else. The names are read from the header
// itself (built into the test program), so the test keeps up as functions
// are added. On Windows the export directory of the loaded velrtf.dll is
// read, and the DLL must need nothing beyond the system's own DLLs; on
// other systems the dynamic symbols of the shared library are read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rtf_test.h"

#ifndef _WIN32
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#endif

// The text of include/velrtf.h (generated from it at build time).
extern const char kPublicHeader[];

namespace {

// The text without its comments.
std::string WithoutComments(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "/*") == 0) {
            size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
            out += ' ';
        } else if (text.compare(i, 2, "//") == 0) {
            i = text.find('\n', i);
            if (i == std::string::npos) i = text.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The function name of a line `VELEXPORT <type> VELAPI <name>(`, or "".
std::string DeclaredName(const std::string& line)
{
    size_t exportAt = line.find("VELEXPORT");
    if (exportAt == std::string::npos || (exportAt > 0 && IsNameChar(line[exportAt - 1]))) return "";
    size_t apiAt = line.find("VELAPI", exportAt);
    if (apiAt == std::string::npos || line.find_first_of("();", exportAt) < apiAt) return "";
    size_t start = line.find_first_not_of(" \t", apiAt + 6);
    if (start == std::string::npos || start == apiAt + 6) return "";
    size_t end = start;
    while (end < line.size() && IsNameChar(line[end])) ++end;
    size_t paren = line.find_first_not_of(" \t", end);
    if (end == start || paren == std::string::npos || line[paren] != '(') return "";
    return line.substr(start, end - start);
}

// A preprocessor line without its '#' and with single spaces: "if !defined(_WIN32)".
std::string Directive(const std::string& line)
{
    std::string out;
    for (char c : line.substr(line.find('#') + 1)) {
        bool space = c == ' ' || c == '\t';
        if (space && (out.empty() || out.back() == ' ')) continue;
        out += space ? ' ' : c;
    }
    return out;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// The functions the header declares with VELEXPORT for this system: those in
// an `#if !defined(_WIN32)` block only elsewhere than Windows, those in an
// `#if defined(_WIN32)` block only on Windows.
std::set<std::string> DeclaredExports(bool windows)
{
    enum Block { kBoth, kWindowsOnly, kOthersOnly };
    std::vector<Block> blocks;
    std::set<std::string> names;
    std::istringstream lines(WithoutComments(kPublicHeader));
    for (std::string line; std::getline(lines, line);) {
        size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] == '#') {
            std::string directive = Directive(line);
            if (StartsWith(directive, "if")) {
                bool negated = directive.find("!defined(_WIN32)") != std::string::npos ||
                               StartsWith(directive, "ifndef _WIN32");
                bool positive = !negated && (directive.find("defined(_WIN32)") != std::string::npos ||
                                             StartsWith(directive, "ifdef _WIN32"));
                blocks.push_back(negated ? kOthersOnly : positive ? kWindowsOnly : kBoth);
            } else if (StartsWith(directive, "else") && !blocks.empty()) {
                Block& b = blocks.back();
                b = b == kOthersOnly ? kWindowsOnly : b == kWindowsOnly ? kOthersOnly : kBoth;
            } else if (StartsWith(directive, "elif") && !blocks.empty()) {
                blocks.back() = kBoth;
            } else if (StartsWith(directive, "endif") && !blocks.empty()) {
                blocks.pop_back();
            }
            continue;
        }
        std::string name = DeclaredName(line);
        if (name.empty()) continue;
        bool here = std::none_of(blocks.begin(), blocks.end(), [windows](Block b) {
            return b == (windows ? kOthersOnly : kWindowsOnly);
        });
        if (here) names.insert(name);
    }
    return names;
}

std::string Listed(const std::set<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += "\n  " + name;
    return text.empty() ? " (none)" : text;
}

// What one set has that the other lacks, for a readable failure.
void ExpectSameNames(const std::set<std::string>& exported, const std::set<std::string>& declared)
{
    std::set<std::string> extra, missing;
    std::set_difference(exported.begin(), exported.end(), declared.begin(), declared.end(),
                        std::inserter(extra, extra.end()));
    std::set_difference(declared.begin(), declared.end(), exported.begin(), exported.end(),
                        std::inserter(missing, missing.end()));
    EXPECT_TRUE(extra.empty()) << "exported but not declared in velrtf.h:" << Listed(extra);
    EXPECT_TRUE(missing.empty()) << "declared in velrtf.h but not exported:" << Listed(missing);
}

}  // namespace

TEST(Exports, HeaderDeclaresTheApi)
{
    // The parse itself: a few names of every kind, and the Windows memory
    // functions only where the header declares them.
    std::set<std::string> windows = DeclaredExports(true);
    std::set<std::string> others = DeclaredExports(false);
    for (const char* name : {"VelNewDoc", "VelEndDoc", "VelGetData", "VelSaveFile", "VelSetFlags", "WEP",
                             "VelMakeMbcs", "VelEnumFont", "VelInsertText"}) {
        EXPECT_EQ(windows.count(name), 1u) << name;
        EXPECT_EQ(others.count(name), 1u) << name;
    }
    EXPECT_EQ(windows.count("GlobalAlloc"), 0u);
    EXPECT_EQ(others.count("GlobalAlloc"), 1u);
    EXPECT_EQ(others.size(), windows.size() + 5);  // GlobalAlloc, Lock, Unlock, Size, Free
}

#ifdef _WIN32

namespace {

const unsigned char* LoadedDll()
{
    return reinterpret_cast<const unsigned char*>(GetModuleHandleA("velrtf.dll"));
}

const IMAGE_DATA_DIRECTORY& Directory(const unsigned char* base, int entry)
{
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[entry];
}

}  // namespace

TEST(Exports, DllExportsExactlyTheDeclaredFunctions)
{
    const unsigned char* base = LoadedDll();
    ASSERT_TRUE(base) << "velrtf.dll is not loaded";
    const IMAGE_DATA_DIRECTORY& directory = Directory(base, IMAGE_DIRECTORY_ENTRY_EXPORT);
    ASSERT_NE(directory.VirtualAddress, 0u) << "no export directory";
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    EXPECT_EQ(exports->NumberOfFunctions, exports->NumberOfNames) << "exports without a name";
    auto* nameTable = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::set<std::string> exported;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        exported.insert(reinterpret_cast<const char*>(base + nameTable[i]));
    }
    ExpectSameNames(exported, DeclaredExports(true));
}

TEST(Exports, PlainNamesReachTheFunctionsTheHostLinksTo)
{
    HMODULE dll = GetModuleHandleA("velrtf.dll");
    ASSERT_TRUE(dll);
    auto address = [dll](const char* name) { return reinterpret_cast<void*>(GetProcAddress(dll, name)); };
    EXPECT_EQ(address("VelNewDoc"), reinterpret_cast<void*>(&VelNewDoc));
    EXPECT_EQ(address("VelEnumFont"), reinterpret_cast<void*>(&VelEnumFont));
    EXPECT_EQ(address("VelInsertText"), reinterpret_cast<void*>(&VelInsertText));
    for (const std::string& name : DeclaredExports(true)) {
        EXPECT_TRUE(GetProcAddress(dll, name.c_str())) << name;
    }
}

// velrtf.dll is shipped alone: the C++ runtime is linked into it, and it
// calls nothing but the system's own DLLs.
TEST(Exports, DllNeedsOnlySystemDlls)
{
    const unsigned char* base = LoadedDll();
    ASSERT_TRUE(base);
    const IMAGE_DATA_DIRECTORY& directory = Directory(base, IMAGE_DIRECTORY_ENTRY_IMPORT);
    ASSERT_NE(directory.VirtualAddress, 0u);
    std::set<std::string> imported;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        imported.insert(name);
    }
    const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "MSVCRT.DLL"};
    std::set<std::string> others;
    std::set_difference(imported.begin(), imported.end(), system.begin(), system.end(),
                        std::inserter(others, others.end()));
    EXPECT_TRUE(others.empty()) << "velrtf.dll needs more than the system's DLLs:" << Listed(others);
    for (const char* name : {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL"}) EXPECT_EQ(imported.count(name), 1u) << name;
}

#else

TEST(Exports, SharedLibraryExportsExactlyTheDeclaredFunctions)
{
    Dl_info info;
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&VelNewDoc), &info), 0);
    std::ifstream file(info.dli_fname, std::ios::binary);
    ASSERT_TRUE(file) << info.dli_fname;
    std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(image.size(), sizeof(ElfW(Ehdr)));
    const char* base = image.data();
    auto* header = reinterpret_cast<const ElfW(Ehdr)*>(base);
    ASSERT_EQ(std::memcmp(header->e_ident, ELFMAG, SELFMAG), 0);
    ASSERT_LE(header->e_shoff + header->e_shnum * sizeof(ElfW(Shdr)), image.size());
    auto* sections = reinterpret_cast<const ElfW(Shdr)*>(base + header->e_shoff);
    std::set<std::string> exported;
    for (int s = 0; s < header->e_shnum; ++s) {
        if (sections[s].sh_type != SHT_DYNSYM) continue;
        const char* strings = base + sections[sections[s].sh_link].sh_offset;
        auto* symbols = reinterpret_cast<const ElfW(Sym)*>(base + sections[s].sh_offset);
        size_t count = sections[s].sh_size / sizeof(ElfW(Sym));
        for (size_t i = 0; i < count; ++i) {
            const ElfW(Sym)& symbol = symbols[i];
            int binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || symbol.st_name == 0) continue;
            if (binding != STB_GLOBAL && binding != STB_WEAK) continue;
            if (ELF64_ST_VISIBILITY(symbol.st_other) != STV_DEFAULT) continue;
            exported.insert(strings + symbol.st_name);
        }
    }
    ExpectSameNames(exported, DeclaredExports(false));
}

#endif
