/* What the first font lookup of a process asks of fontconfig, on its own:
 * its start-up (the configuration read and the font caches loaded) and the
 * listing of one family, "Arial". Beside the host that names one font, it
 * shows what of that lookup is fontconfig's own start-up. --peak prints the
 * peak resident size ("peak_kb N"). */
#include <fontconfig/fontconfig.h>
#include <string.h>

#include "peak.h"

int main(int argc, char** argv)
{
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_SLANT, FC_WEIGHT, FC_WIDTH, FC_SPACING,
                                            (char*)NULL);
    FcPatternAddString(pattern, FC_FAMILY, (const FcChar8*)"Arial");
    FcFontSet* fonts = FcFontList(NULL, pattern, objects);
    int found = fonts ? fonts->nfont : -1;
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (argc > 1 && strcmp(argv[1], "--peak") == 0) PrintPeak();
    return found < 0;
}
