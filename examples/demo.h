// The parts of the example document, each in a file of its own. main() in
// demo.cpp calls them in document order.
#pragma once

#include <string>

#include "velrtf.h"

// The stylesheet, before any section text.
void DemoStyles(HVELDOC doc);
// Paper, margins and section layout of the first section.
void DemoPageSetup(HVELDOC doc);
// Headers and footers of the first section, before its text.
void DemoHeadersFooters(HVELDOC doc);
// The opening text: ANSI and Unicode text.
void DemoIntroduction(HVELDOC doc);
// A formatted letter: fonts, attributes, colors, paragraphs, tabs, lists.
void DemoLetter(HVELDOC doc);
// An invoice-like table and a table nested two levels deep.
void DemoTables(HVELDOC doc);
// A styled report: contents, headings, footnotes, bookmarks, fields.
void DemoReport(HVELDOC doc);
// A landscape section in two columns.
void DemoLandscapeColumns(HVELDOC doc);
// A page with a frame, a text box, rectangles and lines.
void DemoObjects(HVELDOC doc);
// A page of pictures: files of each kind, a bitmap handed over in memory and
// a linked picture. `folder` holds the picture files (the folder pictures/
// beside the document, which the linked picture names).
void DemoPictures(HVELDOC doc, const std::string& folder);
