#include "rtf_cases.h"

#include <gtest/gtest.h>

std::string BodyOf(HVELDOC doc)
{
    std::string rtf = SavedRtf(doc);
    size_t at = rtf.find(kPrologue);
    if (at == std::string::npos) return "<no prologue>";
    std::string body;
    for (char c : rtf.substr(at + kPrologue.size(), rtf.size() - at - kPrologue.size() - 1)) {
        if (c != '\r' && c != '\n') body += c;
    }
    return body;
}

void ExpectBodies(const std::vector<BodyCase>& cases)
{
    for (const BodyCase& c : cases) {
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        VelResetLastMessage();
        c.calls(doc);
        EXPECT_EQ(BodyOf(doc), c.body) << c.what;
        EXPECT_EQ(VelGetLastMessage(nullptr, nullptr), 0) << c.what << ": " << LastMessage();
    }
}

void ExpectRefusals(const std::vector<Refusal>& cases)
{
    for (const Refusal& c : cases) {
        TestDoc doc;
        VelSetFlags(doc, 1, DOCFLAG_QUIET);
        c.setup(doc);
        std::string before = SavedRtf(doc);
        VelResetLastMessage();
        EXPECT_EQ(c.call(doc), 0) << c.what;
        char caption[1000];
        EXPECT_EQ(VelGetLastMessage(nullptr, caption), c.number) << c.what << ": " << LastMessage();
        EXPECT_STREQ(caption, c.number ? c.caption : "") << c.what;
        EXPECT_EQ(SavedRtf(doc), before) << c.what;
    }
}

std::string Needs(const std::vector<std::string>& lines)
{
    std::string text = "This function is valid only if one of the following function(s) has been already called:\n\n";
    for (const std::string& line : lines) text += line + ",\n";
    text.resize(text.size() - 2);
    return text + ".";
}
