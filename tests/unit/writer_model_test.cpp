// The writer against a plain model of its rules, written here from scratch
// character by character: random runs of every writer operation must give
// the same bytes, whatever shortcuts the writer takes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/document.h"
#include "core/writer.h"
#include "rtf_test.h"

namespace {

struct Model {
    std::string body;
    std::string line;
    bool pendingSpace = false;
    bool noBreak = false;
    bool inEscape = false;
    bool rawBackslash = false;

    void Flush()
    {
        if (line.empty()) return;
        body += line + "\r\n";
        line.clear();
        pendingSpace = false;
    }

    void Char(char ch)
    {
        if (pendingSpace) {
            line += ' ';
            pendingSpace = false;
        }
        if (!noBreak && !inEscape) {
            if (line.size() >= 76 && line.back() == ' ') Flush();
            if (line.size() > 100) Flush();
        }
        if (ch == '\\' && !rawBackslash && line.size() >= 151) Flush();
        if (line.size() + 2 > 300) Flush();
        line += ch;
    }

    void Word(const std::string& word, bool hasValue, int value)
    {
        pendingSpace = false;
        noBreak = true;
        Char('\\');
        Text(word);
        if (hasValue) Text(std::to_string(value));
        noBreak = false;
        pendingSpace = true;
    }

    void Hex(unsigned char b)
    {
        const char* digits = "0123456789abcdef";
        Char(digits[b >> 4]);
        bool saved = noBreak;
        noBreak = true;
        Char(digits[b & 15]);
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
            switch (ch) {
            case 13: Word("par", false, 0); Flush(); break;
            case 10: break;
            case 9: Word("tab", false, 0); break;
            case 12: Word("page", false, 0); break;
            case 22: Word("column", false, 0); break;
            case 14: Char('~'); break;
            case 23: Char('_'); break;
            default: Char(static_cast<char>(ch)); break;
            }
            inEscape = false;
        }
    }
};

}  // namespace

TEST(WriterModel, RandomOperationsMatchTheModel)
{
    std::mt19937 random(7);
    const std::string alphabet = std::string("aaaaaaaabbbbccd   .,") + "{}\\\t\r\n\x0C\x16\x0E\x17\xE9\x01";
    const char* words[] = {"b", "par", "cellx", "fs", "*", "zqlinkpictw", "trpaddfl", "u"};
    for (int round = 0; round < 200; ++round) {
        TestDoc doc;
        RtfStream* s = doc.get()->Stream;
        Model model;
        model.line = "\\ansi\\ftnbj";
        model.pendingSpace = true;
        for (int step = 0; step < 400; ++step) {
            switch (random() % 9) {
            case 0:
            case 1:
            case 2: {
                std::string text;
                size_t length = random() % 120;
                for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
                ASSERT_EQ(PutRtfText(doc, text.data(), static_cast<int>(text.size())), 1);
                model.Text(text);
                break;
            }
            case 3: {
                const char* word = words[random() % 8];
                bool hasValue = random() % 2;
                int value = static_cast<int>(random() % 2000000001u) - 1000000000;
                ASSERT_EQ(PutControlWord(doc, word, hasValue ? PARAM_INT : PARAM_NONE, value), 1);
                model.Word(word, hasValue, value);
                break;
            }
            case 4: {
                auto b = static_cast<unsigned char>(random());
                ASSERT_EQ(PutHexByte(doc, b), 1);
                model.Hex(b);
                break;
            }
            case 5: {
                auto b = static_cast<unsigned char>(random());
                ASSERT_EQ(PutEscapedChar(doc, b), 1);
                model.Escaped(b);
                break;
            }
            case 6:
                if (random() % 2) {
                    ASSERT_EQ(BeginRtfGroup(doc), 1);
                    model.pendingSpace = false;
                    model.Char('{');
                } else {
                    ASSERT_EQ(EndRtfGroup(doc), 1);
                    model.pendingSpace = false;
                    model.Char('}');
                }
                break;
            case 7:
                if (random() % 4 == 0) {
                    ASSERT_EQ(FlushRtfLine(doc), 1);
                    model.Flush();
                }
                break;
            case 8: {
                // A long instruction with raw backslashes.
                std::string path = "C:\\\\dir\\\\" + std::string(random() % 200, 'p') + "\\\\f.jpg";
                s->StreamMode |= MODE_RAW_BACKSLASH;
                model.rawBackslash = true;
                ASSERT_EQ(PutRtfText(doc, path.data(), static_cast<int>(path.size())), 1);
                model.Text(path);
                s->StreamMode &= ~MODE_RAW_BACKSLASH;
                model.rawBackslash = false;
                break;
            }
            }
        }
        ASSERT_EQ(std::string(s->Body, static_cast<size_t>(s->BodyLength)), model.body) << "round " << round;
        ASSERT_EQ(std::string(s->Line, static_cast<size_t>(s->LineLength)), model.line) << "round " << round;
        ASSERT_EQ(s->PendingSpace != 0, model.pendingSpace);
    }
}
