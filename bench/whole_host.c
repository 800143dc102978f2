/* A host as a host runs it: builds a document through the shared library,
 * saves it to a file and exits. The documents: `paragraphs` and `table`
 * (workloads.h); `empty` (a new document, saved) and `font` (one font,
 * nothing else) time the process, the library's loading and the first font
 * lookup on their own. --peak prints the peak resident size ("peak_kb N").
 * Usage: velrtf_whole_host [--peak] paragraphs|table|empty|font OUT */
#include <stdio.h>
#include <string.h>

#include "peak.h"
#include "velrtf.h"
#include "workloads.h"

int main(int argc, char** argv)
{
    int peak = argc > 1 && strcmp(argv[1], "--peak") == 0;
    if (argc - peak != 3) {
        fprintf(stderr, "usage: %s [--peak] paragraphs|table|empty|font OUT\n", argv[0]);
        return 2;
    }
    const char* what = argv[1 + peak];
    HVELDOC doc = VelNewDoc();
    if (!doc) return 1;
    if (strcmp(what, "paragraphs") == 0) BuildParagraphs(doc);
    else if (strcmp(what, "table") == 0) BuildTable(doc);
    else if (strcmp(what, "font") == 0) VelTextFont(doc, "Arial", 11, 0, 1);
    else if (strcmp(what, "empty") != 0) return 2;
    int saved = VelSaveFile(doc, argv[2 + peak]) == 1;
    VelEndDoc(doc);
    if (peak) PrintPeak();
    return saved ? 0 : 1;
}
