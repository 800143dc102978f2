// The example host of the .NET binding: writes a short document through RtfDocument, saves it, and checks the
// RTF byte for byte, in the file and in memory. Exit status 0 when both are as expected.
// Usage: mono Example.exe [file.rtf]     (on Windows: Example.exe, beside velrtf.dll)
using System;
using System.IO;
using System.Text;
using Velrtf;

static class Example
{
    const string Expected =
        "{\\rtf1\\uc1 \\deff0 \\ansi\\ftnbj\\sectd\\fs28\\b Hello from C#\\par\r\n" +
        "\\b0 Greek: \\u945 ?\\u946 ?, total {\\*\\bkmkstart total}42{\\*\\bkmkend total}\\par\r\n" +
        "{\\trowd\\trgaph60\\trleft0\\clvertalt\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx2000\\clvertalt\\clbrdrt\\brdrs\r\n" +
        "\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx5000\r\n" +
        "\\intbl Item\\cell\r\n" +
        "\\intbl Price\\cell\r\n" +
        "\\row}\r\n" +
        "}";

    static byte[] Write(string path)
    {
        using (var doc = new RtfDocument())
        {
            doc.Font(null, 14, CharStyle.Bold);
            doc.Paragraph("Hello from C#");
            doc.Font(null, 0, CharStyle.None, CharStyle.Bold);
            doc.Text("Greek: \u03b1\u03b2, total ");
            using (doc.Bookmark("total")) doc.Text("42");
            doc.Paragraph();
            using (var row = doc.Row(2000, 3000))
            {
                row.Cell("Item");
                row.Cell("Price");
            }
            doc.Save(path);
            return doc.ToBytes();
        }
    }

    static int Main(string[] args)
    {
        string path = args.Length > 0 ? args[0] : "example.rtf";
        byte[] rtf = Write(path);
        string got = Encoding.ASCII.GetString(rtf);
        if (got != Expected)
        {
            Console.Error.WriteLine("Example: the RTF differs from the expected document; got:\n" + got);
            return 1;
        }
        if (Convert.ToBase64String(File.ReadAllBytes(path)) != Convert.ToBase64String(rtf))
        {
            Console.Error.WriteLine("Example: " + path + " differs from the RTF in memory");
            return 1;
        }
        Console.WriteLine("Example: {0} bytes of RTF in {1}, as expected", rtf.Length, path);
        return 0;
    }
}
