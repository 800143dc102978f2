// What the tests share: documents that end themselves, the saved RTF as a
// string, and the fixed text every document starts with.
#pragma once

#include <string>

#include "velrtf.h"

// A document for the length of a test.
class TestDoc {
public:
    TestDoc() : doc_(VelNewDoc()) {}
    ~TestDoc()
    {
        if (doc_) VelEndDoc(doc_);
    }
    TestDoc(const TestDoc&) = delete;
    TestDoc& operator=(const TestDoc&) = delete;
    operator HVELDOC() const { return doc_; }
    HVELDOC get() const { return doc_; }

private:
    HVELDOC doc_;
};

// The header the save writes when neither fonts nor colors were used.
inline const std::string kHead = "{\\rtf1\\uc1 \\deff0 ";
// What a new document's body starts with.
inline const std::string kPrologue = "\\ansi\\ftnbj";

// The RTF that VelGetData gives, without its NUL ("<failed>" when it fails).
std::string SavedRtf(HVELDOC doc);
// kHead + kPrologue + `body` + "}": a document without fonts or colors.
std::string Document(const std::string& body);
// CR LF, for expected texts.
inline const std::string kCrLf = "\r\n";
// The last stored report as "number caption: text".
std::string LastMessage();
// A path for a scratch file in the system's temporary folder, of this
// process alone; the file is removed when the process ends.
std::string TempPath(const std::string& name);
// The bytes of a file ("<missing>" when it cannot be read).
std::string ReadFileBytes(const std::string& path);
