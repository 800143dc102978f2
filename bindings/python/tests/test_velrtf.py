"""The Python binding against the library just built (VELRTF_LIBRARY names it): the RTF each family writes, errors,
loading, and a document opened in LibreOffice. Also: both bindings declare every export of velrtf.h with its
types."""
import ctypes
import os
import re
import shutil
import subprocess
import sys
import tempfile

import pytest

import velrtf
from velrtf import Cell, Char, Color, Font, Merge, Para, VAlign, VelrtfError
from velrtf import _native

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
HEADER = os.path.join(ROOT, "include", "velrtf.h")
sys.path.insert(0, os.path.join(ROOT, "cmake"))
from velrtf_exports import exports  # noqa: E402

HEAD = b"{\\rtf1\\uc1 \\deff0 "
BODY = b"\\ansi\\ftnbj"


def body(build):
    """The saved RTF of a document that `build` wrote, after the fixed start."""
    with velrtf.Document() as doc:
        build(doc)
        rtf = doc.to_bytes()
    assert rtf.startswith(HEAD) and BODY in rtf
    return rtf[rtf.index(BODY) + len(BODY):]


def table(doc):
    with doc.row([1000, Cell(2000, VAlign.CENTER, borders=(0, 0, 10, 0), merge=Merge.HORIZONTAL_FIRST)]) as row:
        row.cell("a")
        with row.cell():
            doc.text("b")


def header(doc):
    doc.new_section()
    with doc.footer("first"):
        doc.page_number()
    doc.paragraph("x")


def styles(doc):
    with doc.stylesheet(), doc.style(1, "heading 1"):
        doc.font(bold=True)
    doc.paragraph_style(1)


def scripts(doc):
    with doc.superscript():
        doc.text("2")


CASES = [  # (what the document does, the RTF after "\ansi\ftnbj")
    (lambda d: d.text("plain {x}\nnext"), b"\\sectd plain \\{x\\}\\par\r\nnext}"),
    (lambda d: d.text("Caf\u00e9 \U0001F600!"), b"\\sectd Caf\\u233 ? \\u55357 ?\\u56832 ?!}"),
    (lambda d: d.font(size=10.5, bold=True, italic=False), b"\\sectd\\fs21\\b\\i0}"),
    (lambda d: d.font(on=Char.CAPS | Char.UNDERLINE), b"\\sectd\\ul\\caps}"),
    (lambda d: d.color(Color(255, 0, 0)), b"\\sectd\\cf0}"),
    (lambda d: d.paragraph_flags(Para.CENTER | Para.KEEP), b"\\sectd\\qc\\keep}"),
    (lambda d: d.indent(left=720, first=-360), b"\\sectd\\li720\\fi-360}"),
    (table, b"\\sectd\r\n{\\trowd\\trgaph60\\trleft0\\clvertalt\\cellx1000\\clvertalc\\clmgf\\clbrdrt\\brdrs"
            b"\\brdrw10\\cellx3000\r\n\\intbl a\\cell\r\n\\intbl b\\cell\r\n\\row}\r\n}"),
    (header, b"\\sectd\r\n\\titlepg{\\footerf{\\field{\\fldinst PAGE}{\\fldrslt 1}}}\r\nx\\par\r\n}"),
    (styles, b"\r\n{\\stylesheet\r\n{\\s1\\b heading 1;}\r\n}\r\n\\sectd\\s1}"),
    (scripts, b"\\sectd{\\super 2}}"),
    (lambda d: d.footnote("note", mark="*"), b"\\sectd{{\\super *}{\\footnote{\\super *}note}}}"),
    (lambda d: d.merge_field("Name"), b"\\sectd{\\field\\fldlock{\\fldinst MERGEFIELD Name}{\\fldrslt}}}"),
    (lambda d: d.control("ul", 2), b"\\ul2}"),
]


@pytest.mark.parametrize("build, expected", CASES)
def test_each_family_writes_its_rtf(build, expected):
    assert body(build) == expected


def test_save_writes_what_to_bytes_gives(tmp_path):
    with velrtf.Document() as doc:
        doc.font(Font("Times New Roman", 12), bold=True)
        doc.paragraph("Hello")
        doc.save(tmp_path / "hello.rtf")
        assert (tmp_path / "hello.rtf").read_bytes() == doc.to_bytes()
    assert doc.closed
    with pytest.raises(ValueError):
        doc.text("closed")


def test_a_refused_call_raises_its_message_and_the_document_goes_on():
    with velrtf.Document() as doc:
        doc.text("text")
        with pytest.raises(VelrtfError) as refused:
            with doc.stylesheet():
                pass
        assert refused.value.number == 34 and refused.value.caption == "VelBeginStyleSheet"
        assert refused.value.message and str(refused.value.number) in str(refused.value)
        with pytest.raises(VelrtfError) as silent:
            doc.merge_field("")  # refused without a message
        assert silent.value.number == 0 and silent.value.caption == "VelInsertMergeField"
        doc.text(" goes on")
        assert doc.to_bytes().endswith(b"text goes on}")
    with pytest.raises(ValueError):
        velrtf.Document().footnote("\u03b1")  # footnotes take ANSI text only


def test_a_missing_library_lists_the_paths_tried(monkeypatch):
    monkeypatch.setattr(_native, "_loaded", None)
    monkeypatch.setenv(_native.LIBRARY_ENV, "/nowhere/libvelrtf.so.1")
    with pytest.raises(velrtf.LibraryNotFoundError) as missing:
        velrtf.library()
    assert missing.value.tried[0][0] == "/nowhere/libvelrtf.so.1" and "/nowhere/libvelrtf.so.1" in str(missing.value)


def test_pictures_from_files_and_handles(tmp_path):
    dib = ((40).to_bytes(4, "little") + (1).to_bytes(4, "little") * 2 + (1).to_bytes(2, "little") +
           (24).to_bytes(2, "little") + bytes(4) + (4).to_bytes(4, "little") + bytes(16) + b"\x00\x00\xff\x00")
    bitmap = tmp_path / "dot.bmp"  # a 1x1 24-bit Windows bitmap, red
    bitmap.write_bytes(b"BM" + (14 + len(dib)).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little") + dib)
    (tmp_path / "not.bmp").write_bytes(b"not a picture")
    lib = velrtf.library()
    with velrtf.Document() as doc:
        doc.insert_picture(bitmap, 300, 300)
        block = lib.VelStrToHandle(dib, len(dib))  # a packed bitmap, as the clipboard holds it
        doc.paste_picture(8, block)  # CF_DIB; the block stays the host's
        lib.VelHandleToStr(ctypes.create_string_buffer(len(dib)), len(dib), block)  # frees it
        with pytest.raises(VelrtfError) as refused:
            doc.insert_picture(tmp_path / "missing.bmp")
        assert refused.value.number == 20 and refused.value.caption.endswith("missing.bmp")
        assert doc.to_bytes().count(b"{\\pict") == 2
    png = (b"\x89PNG\r\n\x1a\n" + (13).to_bytes(4, "big") + b"IHDR" + (3).to_bytes(4, "big") * 2 + bytes(9) +
           bytes(4) + b"IEND" + bytes(4))
    (tmp_path / "dot.png").write_bytes(png)
    with velrtf.Document(modern_pictures=True) as doc:
        doc.insert_picture(tmp_path / "dot.png")
        assert b"{\\pict\\pngblip\\picw3\\pich3\\picwgoal45\\pichgoal45" in doc.to_bytes()
    with pytest.raises(VelrtfError), velrtf.Document() as doc:
        doc.insert_picture(tmp_path / "dot.png")  # not without the flag


def _c_types_of_csharp(parameter):
    words = re.sub(r"\[MarshalAs\(.*?\)\]", "", parameter).split()
    csharp = " ".join(words[:-1]) if len(words) > 1 else words[0]
    if "LPWStr" in parameter:
        return {"const VELWCHAR*"}
    return {"IntPtr": {"HVELDOC", "HGLOBAL", "HANDLE", "intptr_t", "const LOGFONTA*", "const TEXTMETRICA*"}, "int": {"int"},
            "uint": {"unsigned"}, "UIntPtr": {"size_t"}, "string": {"const char*"},
            "byte[]": {"char*", "const char*"}, "out int": {"int*"}, "void": {"void"}}[csharp]


def _python_declarations():
    return {name: _native.parse_signature(signature) for name, signature in _native.SIGNATURES.items()}


def _csharp_declarations():
    source = open(os.path.join(ROOT, "bindings", "dotnet", "NativeMethods.cs"), encoding="utf-8").read()
    found = {}
    for result, name, params in re.findall(r"static extern (\w+) (\w+)\((.*?)\);", source, re.S):
        found[name] = (result, [p.strip() for p in params.split(",") if p.strip()])
    return found


@pytest.mark.parametrize("binding", ["python", "dotnet"])
def test_bindings_declare_every_export_with_its_types(binding):
    declared = _python_declarations() if binding == "python" else _csharp_declarations()
    header = {e.name: e for e in exports(HEADER, "win")}
    assert sorted(set(header) - set(declared)) == []
    assert sorted(set(declared) - set(header)) == []
    for name in set(header) & set(declared):
        result, params = declared[name]
        c_types = [e[0] for e in header[name].params]
        if binding == "python":
            assert (result, params) == (header[name].result, c_types), name
        else:
            assert header[name].result in _c_types_of_csharp(result + " r"), name
            assert len(params) == len(c_types) and all(c in _c_types_of_csharp(p) for p, c in zip(params, c_types)), name


def test_the_package_has_the_version_of_the_header():
    assert re.search(r'#define VELRTF_VERSION_STRING "%s"' % re.escape(velrtf.__version__), open(HEADER).read())


@pytest.mark.skipif(not (shutil.which("soffice") or shutil.which("libreoffice")), reason="needs LibreOffice")
def test_libreoffice_reads_the_example(tmp_path):
    rtf = tmp_path / "hello.rtf"
    subprocess.run([sys.executable, os.path.join(ROOT, "bindings", "python", "examples", "hello.py"), str(rtf)],
                   check=True, env=dict(os.environ, PYTHONPATH=os.path.dirname(os.path.dirname(velrtf.__file__))))
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    with tempfile.TemporaryDirectory(prefix="velrtf-lo-profile-", ignore_cleanup_errors=True) as profile:
        subprocess.run([soffice, "-env:UserInstallation=file://" + profile, "--headless", "--norestore",
                        "--convert-to", "txt:Text (encoded):UTF8", "--outdir", str(tmp_path), str(rtf)],
                       check=True, capture_output=True, timeout=300)
    text = (tmp_path / "hello.txt").read_text(encoding="utf-8-sig")
    # The text export leaves out the footnote's text; its mark "1" follows the greeting.
    assert text.splitlines()[:4] == ["Hello from Python", "Grüße, Καλημέρα, こんにちは1", "Item", "Price"], text
