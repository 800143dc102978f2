// RtfDocument: an RTF document written through velrtf, built by calls in document order. Lengths are twips
// (1/1440 inch). A call that the library refuses throws RtfException; reports stay quiet, so no message box
// appears. For anything not covered here, NativeMethods takes Handle.
using System;
using System.Text;

namespace Velrtf
{
    [Flags]
    public enum CharStyle : uint
    {
        None = 0, Underline = 0x1, Bold = 0x2, Italic = 0x4, Strike = 0x8, Superscript = 0x10, Subscript = 0x20,
        Hidden = 0x40, DoubleUnderline = 0x100, Protected = 0x200, Hyperlink = 0x4000, Caps = 0x10000,
        SmallCaps = 0x20000,
    }

    [Flags]
    public enum ParaFlags : uint
    {
        None = 0, Center = 0x1, Right = 0x2, Double = 0x4, BoxTop = 0x10, BoxBottom = 0x20, BoxLeft = 0x40,
        BoxRight = 0x80, Box = 0xF0, BoxDouble = 0x100, BoxThick = 0x200, Left = 0x400, Justify = 0x800,
        Keep = 0x4000, KeepNext = 0x8000, Widow = 0x10000,
    }

    public enum BreakKind { Section = 0, Column = 1, Page = 2 }

    public enum HeaderFooter
    {
        Header = 1, HeaderFirst = 2, HeaderLeft = 3, HeaderRight = 4,
        Footer = 5, FooterFirst = 6, FooterLeft = 7, FooterRight = 8,
    }

    /// <summary>A color of 8-bit red, green and blue.</summary>
    public struct RgbColor
    {
        public readonly byte R, G, B;
        public RgbColor(byte r, byte g, byte b) { R = r; G = g; B = b; }
        /// <summary>The Windows color value: red in the low byte.</summary>
        public uint Value { get { return (uint)(R | G << 8 | B << 16); } }
    }

    /// <summary>A call the library refused: its message number (0 when it gave none), text and caption.</summary>
    public class RtfException : Exception
    {
        public int Number { get; private set; }
        public string Text { get; private set; }
        public string Caption { get; private set; }

        public RtfException(int number, string text, string caption)
            : base(string.Format("{0}: {1} (message {2})", caption, text, number))
        {
            Number = number; Text = text; Caption = caption;
        }

        internal static RtfException Last(string function)
        {
            byte[] text = new byte[300], caption = new byte[1000];
            int number = NativeMethods.VelGetLastMessage(text, caption);
            if (number == 0) return new RtfException(0, "refused without a message: a value out of its range", function);
            return new RtfException(number, Decode(text), Decode(caption));
        }

        static string Decode(byte[] bytes)
        {
            int end = Array.IndexOf(bytes, (byte)0);
            return Encoding.UTF8.GetString(bytes, 0, end < 0 ? bytes.Length : end);
        }
    }

    public sealed class RtfDocument : IDisposable
    {
        IntPtr handle;

        /// <param name="modernPictures">DOCFLAG_MODERN_PICTURES: also embed PNG and every JPEG at their true
        /// size, and paste PNG under the clipboard format "PNG".</param>
        public RtfDocument(bool modernPictures = false)
        {
            NativeMethods.VelSetFlags(IntPtr.Zero, 1, 0x1);  // DOCFLAG_QUIET, for reports without a document too
            handle = NativeMethods.VelNewDoc();
            if (handle == IntPtr.Zero) throw RtfException.Last("VelNewDoc");
            NativeMethods.VelSetFlags(handle, 1, modernPictures ? 0x5u : 0x1u);
        }

        /// <summary>The document handle (HVELDOC) for NativeMethods.</summary>
        public IntPtr Handle
        {
            get
            {
                if (handle == IntPtr.Zero) throw new ObjectDisposedException("RtfDocument");
                return handle;
            }
        }

        /// <summary>Ends the document and releases everything it owns.</summary>
        public void Dispose()
        {
            if (handle != IntPtr.Zero) NativeMethods.VelEndDoc(handle);
            handle = IntPtr.Zero;
            GC.SuppressFinalize(this);
        }

        ~RtfDocument()
        {
            if (handle != IntPtr.Zero) NativeMethods.VelEndDoc(handle);
        }

        // Runs a call, throwing its report when it gives 0.
        internal void Call(string function, Func<IntPtr, int> call)
        {
            IntPtr doc = Handle;
            NativeMethods.VelResetLastMessage();
            if (call(doc) == 0) throw RtfException.Last(function);
        }

        // ---- text and formatting

        /// <summary>Writes text; "\n" or "\r\n" ends the paragraph. ASCII goes as ANSI text, every other
        /// character as UTF-16 (VelInsertUText).</summary>
        public void Text(string text)
        {
            text = text.Replace("\r\n", "\n").Replace("\n", "\r\n");
            for (int start = 0, end; start < text.Length; start = end)
            {
                bool ascii = text[start] < 0x80;
                for (end = start; end < text.Length && (text[end] < 0x80) == ascii; end++) { }
                string run = text.Substring(start, end - start);
                if (ascii) Call("VelInsertText", d => NativeMethods.VelInsertText(d, run));
                else Call("VelInsertUText", d => NativeMethods.VelInsertUText(d, run));
            }
        }

        /// <summary>Writes text and ends the paragraph.</summary>
        public void Paragraph(string text = "") { Text(text + "\n"); }

        /// <summary>Typeface (null: unchanged) and size in points (0: unchanged), with attributes switched on
        /// and off.</summary>
        public void Font(string face, int size = 0, CharStyle on = CharStyle.None, CharStyle off = CharStyle.None)
        {
            Call("VelTextFont", d => NativeMethods.VelTextFont(d, face, size, (uint)on, 1));
            if (off != CharStyle.None) Call("VelTextFont", d => NativeMethods.VelTextFont(d, null, 0, (uint)off, 0));
        }

        public void TextColor(RgbColor color) { Call("VelTextColor", d => NativeMethods.VelTextColor(d, color.Value, 1)); }
        public void Highlight(RgbColor color) { Call("VelTextColor", d => NativeMethods.VelTextColor(d, color.Value, 0)); }
        public void ResetText() { Call("VelResetTextProp", NativeMethods.VelResetTextProp); }
        public void ResetParagraph() { Call("VelResetParaProp", NativeMethods.VelResetParaProp); }
        public void Paragraph(ParaFlags flags) { Call("VelParaFlags", d => NativeMethods.VelParaFlags(d, (uint)flags)); }

        /// <summary>Left, right and first-line indents; -1 leaves one out.</summary>
        public void Indent(int left, int right = -1, int first = -1)
        {
            Call("VelParaIndent", d => NativeMethods.VelParaIndent(d, left, right, first));
        }

        public void Break(BreakKind kind) { Call("VelInsertBreak", d => NativeMethods.VelInsertBreak(d, (int)kind)); }

        // ---- page layout, headers and footers

        public void Paper(int width, int height, bool landscape = false)
        {
            Call("VelPaper", d => NativeMethods.VelPaper(d, width, height, landscape ? 1 : 0));
        }

        /// <summary>Page margins; -1 leaves one out.</summary>
        public void Margins(int left, int right, int top, int bottom)
        {
            Call("VelMargin", d => NativeMethods.VelMargin(d, left, right, top, bottom, -1, -1));
        }

        /// <summary>using (doc.HeaderOrFooter(HeaderFooter.Footer)) { ... }: before the section's text.</summary>
        public IDisposable HeaderOrFooter(HeaderFooter kind)
        {
            Call("VelBeginHdrFtr", d => NativeMethods.VelBeginHdrFtr(d, (int)kind));
            return new Scope(() => Call("VelEndHdrFtr", NativeMethods.VelEndHdrFtr));
        }

        // ---- tables

        /// <summary>using (var row = doc.Row(2000, 3000)) { row.Cell("a"); row.Cell("b"); }: a table row of
        /// cells of those widths, with thin borders.</summary>
        public TableRow Row(params int[] widths)
        {
            Call("VelBeginTableRow", d => NativeMethods.VelBeginTableRow(d, 0, 0, 0, 0, 0));
            foreach (int width in widths)
                Call("VelNextCellInfo", d => NativeMethods.VelNextCellInfo(d, width, 0, 0, 0xFFFFFF, 10, 10, 10, 10, 0));
            return new TableRow(this);
        }

        // ---- fields, notes, bookmarks, pictures

        public void PageNumber() { Call("VelInsertPageField", d => NativeMethods.VelInsertPageField(d, 1)); }
        public void PageCount() { Call("VelInsertPageField", d => NativeMethods.VelInsertPageField(d, 0)); }

        public void MergeField(string name, string result = null)
        {
            Call("VelInsertMergeField", d => NativeMethods.VelInsertMergeField(d, name, result));
        }

        public void Footnote(string text, string mark = null)
        {
            Call("VelInsertFootnote", d => NativeMethods.VelInsertFootnote(d, mark, text));
        }

        /// <summary>using (doc.Bookmark("name")) { ... }: the text written inside is the bookmark.</summary>
        public IDisposable Bookmark(string name)
        {
            Call("VelInsertBookmark", d => NativeMethods.VelInsertBookmark(d, name, 1));
            return new Scope(() => Call("VelInsertBookmark", d => NativeMethods.VelInsertBookmark(d, name, 0)));
        }

        /// <summary>A picture file (bitmap, metafile, JPEG); sizes in twips, 0 for its own; linked when link.</summary>
        public void InsertPicture(string path, int width = 0, int height = 0, bool link = false)
        {
            // 1 also when the file was reported unreadable and nothing was written: the report tells.
            Call("VelInsertPictFile", d => NativeMethods.VelInsertPictFile(d, path, width, height, link ? 1 : 0) != 0
                 && NativeMethods.VelGetLastMessage(null, null) == 0 ? 1 : 0);
        }

        public void Raw(string rtf) { Call("VelInsertRaw", d => NativeMethods.VelInsertRaw(d, rtf)); }

        // ---- the RTF

        /// <summary>Writes the RTF to a file, replacing it; the document may grow and be saved again.</summary>
        public void Save(string path)
        {
            Call("VelSaveFile", d => NativeMethods.VelSaveFile(d, path) == new IntPtr(1) ? 1 : 0);
        }

        /// <summary>The RTF as it would be saved now.</summary>
        public byte[] ToBytes()
        {
            int length = 0;
            IntPtr block = IntPtr.Zero;
            Call("VelGetData", d => (block = NativeMethods.VelGetData(d, out length)) != IntPtr.Zero ? 1 : 0);
            byte[] data = new byte[length];
            if (NativeMethods.VelHandleToStr(data, length, block) == 0) throw RtfException.Last("VelHandleToStr");
            Array.Resize(ref data, length - 1);  // without the NUL
            return data;
        }

        sealed class Scope : IDisposable
        {
            Action end;
            public Scope(Action end) { this.end = end; }
            public void Dispose()
            {
                Action run = end;
                end = null;
                if (run != null) run();
            }
        }
    }

    /// <summary>A table row of RtfDocument.Row: Cell() writes each cell's text in turn, Dispose ends the row.</summary>
    public sealed class TableRow : IDisposable
    {
        readonly RtfDocument doc;
        bool ended;

        internal TableRow(RtfDocument doc) { this.doc = doc; }

        public void Cell(string text)
        {
            doc.Call("VelBeginCellText", NativeMethods.VelBeginCellText);
            doc.Text(text);
            doc.Call("VelEndCellText", NativeMethods.VelEndCellText);
        }

        public void Dispose()
        {
            if (ended) return;
            ended = true;
            doc.Call("VelEndTableRow", NativeMethods.VelEndTableRow);
        }
    }
}
