// The functions of velrtf.h as P/Invoke declarations, one for each export of velrtf.dll.
//
// Handles (HVELDOC, HGLOBAL, HANDLE) are IntPtr; int is 32-bit and unsigned is uint; intptr_t is IntPtr. Strings are the
// library's 8-bit ANSI strings (CharSet.Ansi; under Mono on Linux, UTF-8), except the UTF-16 text of
// VelInsertUText; buffers the library writes into, and byte data, are byte[]. The library name "velrtf" loads
// velrtf.dll on Windows; on Linux, Velrtf.dll.config maps it to libvelrtf.so.1 for Mono (.NET finds
// libvelrtf.so by itself). A function that an older library lacks fails only when it is called
// (EntryPointNotFoundException). The library's stand-ins for Windows functions on other systems (GlobalAlloc, the
// metafile and clipboard functions) are not declared: on Windows they are the system's.
using System;
using System.Runtime.InteropServices;

namespace Velrtf
{
    public static class NativeMethods
    {
        public const string Library = "velrtf";
        const CallingConvention Api = CallingConvention.Winapi;  // stdcall on 32-bit Windows, the default elsewhere

        // ---- documents
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern IntPtr VelNewDoc();
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndDoc(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern IntPtr VelSaveFile(IntPtr doc, string path);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern IntPtr VelGetData(IntPtr doc, out int length);

        // ---- messages and flags
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelGetLastMessage(byte[] message, byte[] caption);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelResetLastMessage();
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern uint VelSetFlags(IntPtr doc, int set, uint bits);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int WEP();

        // ---- memory handles
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern IntPtr VelStrToHandle(byte[] source, int size);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern IntPtr VelStrToHandleInChunks(byte[] chunk, int total, IntPtr block, int offset, int length);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelHandleToStr(byte[] dest, int size, IntPtr block);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelHandleToStrInChunks(byte[] dest, int total, IntPtr block, int offset, int length);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelMakeMbcs(byte[] dest, byte[] chars, byte[] leads, int count);

        // ---- direct RTF
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelBeginGroup(IntPtr doc, string word, int star);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndGroup(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertControl(IntPtr doc, string word, int hasParam, int value);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertRaw(IntPtr doc, string rtf);

        // ---- fonts (the enumeration callback the library hands to the system)
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEnumFont(IntPtr font, IntPtr metric, uint type, IntPtr doc);

        // ---- character formatting
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelTextFont(IntPtr doc, string typeface, int size, uint style, int on);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelTextFont2(IntPtr doc, string typeface, int size, uint style, int charset, int on);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelTextFont3(IntPtr doc, string typeface, int size, uint style, int charset, int on,
                                              int write);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelResetTextProp(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelCharStyleId(IntPtr doc, int id);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelTextColor(IntPtr doc, uint color, int fore);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelTextColor2(IntPtr doc, uint color, int fore, int write);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginScriptStyle(IntPtr doc, int super);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndScriptStyle(IntPtr doc);

        // ---- text
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertText(IntPtr doc, string text);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelInsertUText(IntPtr doc, [MarshalAs(UnmanagedType.LPWStr)] string text);

        // ---- paragraphs and lists
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelInsertBreak(IntPtr doc, int type);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelResetParaProp(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelParaFlags(IntPtr doc, uint flags);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelParaIndent(IntPtr doc, int left, int right, int first);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelParaSpace(IntPtr doc, int before, int after, int line);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelParaShadeColor(IntPtr doc, int percent, uint color);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelParaStyleId(IntPtr doc, int id);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelParaTabStop(IntPtr doc, int type, int position, int leader);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelParaBullet(IntPtr doc, int bullet, int style, int level, int start, string textBefore,
                                               string textAfter, uint flags);

        // ---- sections, headers and footers, stylesheet
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelInitSect(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginSectText(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelPaper(IntPtr doc, int width, int height, int landscape);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelMargin(IntPtr doc, int left, int right, int top, int bottom, int header, int footer);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelSectInfo(IntPtr doc, int columns, int columnSpace, int newPage, int firstPageNumber);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginHdrFtr(IntPtr doc, int kind);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndHdrFtr(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginStyleSheet(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelBeginStyleItem(IntPtr doc, int paragraphStyle, int styleNumber, string name);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndStyleItem(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndStyleSheet(IntPtr doc);

        // ---- tables
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginTableRow(IntPtr doc, int left, int height, uint flags, uint header, int cellMargin);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginTableRow2(IntPtr doc, int left, int height, uint flags, uint header, int padLeft,
                                                   int padRight, int padTop, int padBottom);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelNextCellInfo(IntPtr doc, int width, uint valign, int shading, uint background,
                                                 int borderLeft, int borderRight, int borderTop, int borderBottom,
                                                 uint merge);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelNextCellInfo2(IntPtr doc, int width, uint valign, int shading, uint background,
                                                  int borderLeft, int borderRight, int borderTop, int borderBottom,
                                                  uint borderColor, uint merge);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelNextCellInfo3(IntPtr doc, int width, uint valign, int shading, uint background,
                                                  int borderLeft, int borderRight, int borderTop, int borderBottom,
                                                  uint borderColor, uint merge, int rotation);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginCellText(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndCellText(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndTableRow(IntPtr doc);

        // ---- frames, text boxes and drawing objects
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginFrame(IntPtr doc, int pageRelative, int x, int y, int width, int height);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndFrame(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginTextBox(IntPtr doc, int pageRelative, int x, int y, int width, int height,
                                                 int zOrder, uint fillColor, uint lineColor, int lineWidth,
                                                 int transparent);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelBeginTextBox2(IntPtr doc, int pageRelative, int x, int y, int width, int height,
                                                  int zOrder, uint fillColor, uint lineColor, int lineWidth,
                                                  int transparent, int rotation);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelEndTextBox(IntPtr doc);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelDrawRect(IntPtr doc, int pageRelative, int x, int y, int width, int height, int zOrder,
                                             uint fillColor, uint lineColor, int lineWidth, int transparent);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelDrawLine(IntPtr doc, int pageRelative, int x1, int y1, int x2, int y2, int zOrder,
                                             uint lineColor, int lineWidth);

        // ---- fields, footnotes and bookmarks
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelInsertPageField(IntPtr doc, int page);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertMergeField(IntPtr doc, string name, string result);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelInsertTocField(IntPtr doc, int firstLevel, int lastLevel);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertFootnote(IntPtr doc, string mark, string text);
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertBookmark(IntPtr doc, string name, int start);

        // ---- pictures
        [DllImport(Library, CallingConvention = Api, CharSet = CharSet.Ansi, ExactSpelling = true)]
        public static extern int VelInsertPictFile(IntPtr doc, string fileName, int width, int height, int link);
        [DllImport(Library, CallingConvention = Api, ExactSpelling = true)]
        public static extern int VelPastePicture(IntPtr doc, uint format, IntPtr handle, int width, int height);
    }
}
