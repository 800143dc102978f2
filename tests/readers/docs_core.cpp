// Reader documents of the writer, the save and direct RTF.
#include <string>

#include "reader_docs.h"

READER_DOC(raw_paragraphs)
{
    VelInsertText(doc, "First paragraph.\r\n");
    VelInsertText(doc, "Braces {like these}, a back\\slash and caf\xE9.\r\n");
    VelInsertRaw(doc, "{\\b Bold} and {\\i italic} from ready-made RTF.\\par\r\n");
    VelBeginGroup(doc, nullptr, 0);
    VelInsertControl(doc, "b", 0, 0);
    VelInsertText(doc, "Inside a group");
    VelEndGroup(doc);
    VelInsertText(doc, " after it.\r\n");
    VelBeginGroup(doc, "velrtfhidden", 1);
    VelInsertText(doc, "An ignorable destination");
    VelEndGroup(doc);
    VelInsertText(doc, "Tab\there.\r\n");
    std::string words;
    for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i) + " ";
    words += "end.\r\n";
    VelInsertText(doc, words.c_str());
}

// Groups left open are closed by the save.
READER_DOC(open_groups)
{
    VelInsertText(doc, "Before.\r\n");
    VelBeginGroup(doc, nullptr, 0);
    VelBeginGroup(doc, nullptr, 0);
    VelInsertControl(doc, "i", 0, 0);
    VelInsertText(doc, "Still open.");
}
