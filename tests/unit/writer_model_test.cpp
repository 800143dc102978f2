// The writer's own operations: exact cases, then random runs of every
// operation against a plain model of the line rules, written here from
// scratch character by character.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/document.h"
#include "core/writer.h"
#include "rtf_test.h"

namespace {

std::string Pending(HVELDOC doc)
{
    return std::string(doc->Stream->Line, static_cast<size_t>(doc->Stream->LineLength));
}

struct Model {
    std::string body, line;
    bool pendingSpace = false, noBreak = false, inEscape = false, rawBackslash = false;

    void Flush()
    {
        if (!line.empty()) body += line + "\r\n";
        line.clear();
        pendingSpace = false;
    }
    void Char(char ch)
    {
        if (pendingSpace) line += ' ';
        pendingSpace = false;
        bool soft = !noBreak && !inEscape && !rawBackslash;
        if (soft && ((line.size() >= 76 && line.back() == ' ') || line.size() > 100)) Flush();
        if (ch == '\\' && !rawBackslash && line.size() >= 151) Flush();
        if (line.size() + 2 > 300) {
            if (rawBackslash) {
                body += line;  // raw text goes on on the same output line
                line.clear();
            } else {
                Flush();
            }
        }
        line += ch;
    }
    void Word(const std::string& word, bool hasValue, int value)
    {
        pendingSpace = false;
        noBreak = true;
        Char('\\');
        Text(word + (hasValue ? std::to_string(value) : ""));
        noBreak = false;
        pendingSpace = true;
    }
    void Hex(unsigned char b)
    {
        Char("0123456789abcdef"[b >> 4]);
        bool saved = noBreak;
        noBreak = true;
        Char("0123456789abcdef"[b & 15]);
        noBreak = saved;
    }
    void Escaped(unsigned char b)
    {
        Char('\\');
        inEscape = true;
        Char('\'');
        Hex(b);
        inEscape = false;
    }
    void Text(const std::string& text)
    {
        for (char c : text) {
            auto ch = static_cast<unsigned char>(c);
            if (ch >= 128) {
                Escaped(ch);
                continue;
            }
            if ((ch == '\\' && !rawBackslash) || ch == '{' || ch == '}' || ch == 14 || ch == 23) {
                Char('\\');
                inEscape = true;
            }
            if (ch == 13) Word("par", false, 0), Flush();
            else if (ch == 9) Word("tab", false, 0);
            else if (ch == 12) Word("page", false, 0);
            else if (ch == 22) Word("column", false, 0);
            else if (ch != 10) Char(ch == 14 ? '~' : ch == 23 ? '_' : static_cast<char>(ch));
            inEscape = false;
        }
    }
};

}  // namespace

TEST(WriterUnit, HexEscapesRawBackslashesAndDepth)
{
    TestDoc doc;
    RtfStream* s = doc.get()->Stream;
    ASSERT_EQ(FlushRtfLine(doc), 1);
    for (int i = 0; i < 200; ++i) PutHexByte(doc, static_cast<unsigned char>(i));
    EXPECT_EQ(s->BodyLength, 13 + 3 * 104);  // the prologue line, then lines of 51 bytes
    EXPECT_EQ(Pending(doc).size(), 400u - 3 * 102);
    ASSERT_EQ(FlushRtfLine(doc), 1);
    PutRtfText(doc, std::string(100, 'x').c_str(), 100);
    PutEscapedChar(doc, 0xE9);  // 100 characters: no break before it, none inside it
    EXPECT_EQ(Pending(doc), std::string(100, 'x') + "\\'e9");
    ASSERT_EQ(FlushRtfLine(doc), 1);
    s->StreamMode |= MODE_RAW_BACKSLASH;
    PutRtfText(doc, "c:\\\\x{", 6);
    s->StreamMode &= ~MODE_RAW_BACKSLASH;
    EXPECT_EQ(Pending(doc), "c:\\\\x\\{");
    BeginRtfGroup(doc), EndRtfGroup(doc), EndRtfGroup(doc);
    EXPECT_EQ(s->GroupDepth, -1);
}

TEST(WriterUnit, BodyGrowsByAQuarterOrToWhatIsNeeded)
{
    EXPECT_EQ(NextBodyCapacity(1000, 1010), 1250);
    EXPECT_EQ(NextBodyCapacity(1000, 5000), 5000);
    EXPECT_EQ(NextBodyCapacity(2000000000, 2000000001), 0x7FFFFFFE);  // held at the largest block
    EXPECT_EQ(NextBodyCapacity(2000000000, 0x7FFFFFFF), -1);          // beyond 32-bit lengths
}

// A run of hex bytes comes out as the bytes one by one would: from any line
// state (any length, an owed space, a line ending in a space, inside a word,
// an escape or raw text), for lengths around every line boundary and long
// runs.
TEST(WriterUnit, HexRunsWriteWhatSingleHexBytesWrite)
{
    std::mt19937 random(51);
    std::string data(12000, '\0');
    for (char& c : data) c = static_cast<char>(random());
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (size_t i = random() % 320; i > 0; --i) text += "ab cdefg hi"[random() % 11];
        unsigned state = random() % 9;
        int start = static_cast<int>(random() % 1000);
        int length = round < 600 ? round % 300 : static_cast<int>(random() % (round % 8 == 0 ? 11000 : 400));
        TestDoc run, single;
        for (HVELDOC doc : {run.get(), single.get()}) {
            if (state == 0) FlushRtfLine(doc);
            PutRtfText(doc, text.data(), static_cast<int>(text.size()));
            if (state == 1) PutWord(doc, "bin");  // a space is owed
            if (state == 2) doc->Stream->NoBreak = 1;
            if (state == 3) doc->Stream->StreamMode |= MODE_IN_ESCAPE;
            if (state == 4) doc->Stream->StreamMode |= MODE_RAW_BACKSLASH;
        }
        ASSERT_EQ(PutHexBytes(run, bytes + start, length), 1);
        for (int i = 0; i < length; ++i) ASSERT_EQ(PutHexByte(single, bytes[start + i]), 1);
        const RtfStream* a = run.get()->Stream;
        const RtfStream* b = single.get()->Stream;
        ASSERT_EQ(std::string(a->Body, static_cast<size_t>(a->BodyLength)),
                  std::string(b->Body, static_cast<size_t>(b->BodyLength)))
            << "round " << round << ", state " << state << ", length " << length;
        ASSERT_EQ(Pending(run), Pending(single)) << "round " << round;
        ASSERT_EQ(a->PendingSpace, b->PendingSpace);
    }
}

// A single space anywhere around the break, in text that starts an empty
// line or one that already holds a few characters, and runs on far past it.
TEST(WriterUnit, OneSpaceNearTheBreak)
{
    for (int held : {0, 3}) {
        for (int at = 60; at <= 110; ++at) {
            TestDoc doc;
            RtfStream* s = doc.get()->Stream;
            Model model;
            FlushRtfLine(doc), model.line = "\\ansi\\ftnbj", model.Flush();
            std::string text = std::string(static_cast<size_t>(held), 'h');
            PutRtfText(doc, text.data(), held), model.Text(text);
            text = std::string(static_cast<size_t>(at), 'a') + ' ' + std::string(300, 'b');
            PutRtfText(doc, text.data(), static_cast<int>(text.size())), model.Text(text);
            ASSERT_EQ(std::string(s->Body, static_cast<size_t>(s->BodyLength)), model.body) << held << " " << at;
            ASSERT_EQ(Pending(doc), model.line) << held << " " << at;
        }
    }
}

TEST(WriterUnit, RandomOperationsMatchTheModel)
{
    std::mt19937 random(7);
    // Text full of escapes and control characters, and prose with few.
    const std::string alphabets[2] = {std::string("aaaaaaaabbbbccd   .,") + "{}\\\t\r\n\x0C\x16\x0E\x17\xE9\x01",
                                      std::string(60, 'a') + std::string(12, ' ') + "bcd.,\r\n{\xE9\x01"};
    const char* words[] = {"b", "par", "cellx", "fs", "*", "zqlinkpictw", "trpaddfl", "u"};
    for (int round = 0; round < 200; ++round) {
        TestDoc doc;
        RtfStream* s = doc.get()->Stream;
        Model model;
        model.line = "\\ansi\\ftnbj";
        model.pendingSpace = true;
        const std::string& alphabet = alphabets[round % 2];
        for (int step = 0; step < 400; ++step) {
            unsigned pick = random() % 9;
            auto b = static_cast<unsigned char>(random());
            if (pick < 3) {
                std::string text;
                for (size_t i = random() % (round % 2 ? 400 : 120); i > 0; --i) {
                    text += alphabet[random() % alphabet.size()];
                }
                PutRtfText(doc, text.data(), static_cast<int>(text.size()));
                model.Text(text);
            } else if (pick == 3) {
                const char* word = words[random() % 8];
                bool hasValue = random() % 2;
                int value = static_cast<int>(random() % 2000000001u) - 1000000000;
                PutControlWord(doc, word, hasValue ? PARAM_INT : PARAM_NONE, value);
                model.Word(word, hasValue, value);
            } else if (pick == 4) {
                PutHexByte(doc, b), model.Hex(b);
            } else if (pick == 5) {
                PutEscapedChar(doc, b), model.Escaped(b);
            } else if (pick == 6) {
                b % 2 ? BeginRtfGroup(doc) : EndRtfGroup(doc);
                model.pendingSpace = false;
                model.Char(b % 2 ? '{' : '}');
            } else if (pick == 7 && b % 4 == 0) {
                FlushRtfLine(doc), model.Flush();
            } else if (pick == 8) {  // a long instruction with raw backslashes
                std::string path = "C:\\\\dir\\\\" + std::string(random() % 200, 'p') + "\\\\f.jpg";
                s->StreamMode |= MODE_RAW_BACKSLASH;
                model.rawBackslash = true;
                PutRtfText(doc, path.data(), static_cast<int>(path.size()));
                model.Text(path);
                s->StreamMode &= ~MODE_RAW_BACKSLASH;
                model.rawBackslash = false;
            }
        }
        ASSERT_EQ(std::string(s->Body, static_cast<size_t>(s->BodyLength)), model.body) << "round " << round;
        ASSERT_EQ(Pending(doc), model.line) << "round " << round;
        ASSERT_EQ(s->PendingSpace != 0, model.pendingSpace);
    }
}
