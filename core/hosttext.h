// Host strings that become names or short texts inside a destination: a
// style's name, a bookmark's name, a merge field's name and result, a
// footnote's mark and text. They go through PutRtfText, so braces,
// backslashes and bytes of 128 and above are escaped; the control characters
// that PutRtfText would pass on unchanged never reach the RTF raw.
#pragma once

struct VelDocRecord;

// 1 for the bytes 1 to 31 and 127.
inline bool IsControlByte(unsigned char ch)
{
    return ch < 32 || ch == 127;
}

// A name: every control character is left out, CR, LF and TAB included.
// Readers take even an escaped CR or LF in a bookmark or a field
// instruction for a paragraph break, and a name has no use for them.
// Null writes nothing.
int PutRtfName(VelDocRecord* doc, const char* name);
// 1 when the name has something besides control characters.
bool HasNameText(const char* name);

// A text: CR, LF, TAB, form feed, 22, 14 and 23 as PutRtfText translates
// them; every other control character as \'hh. Null writes nothing.
int PutRtfTextSafe(VelDocRecord* doc, const char* text);
