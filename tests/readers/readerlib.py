"""What LibreOffice (flat ODT, PDF) and pandoc (JSON, plain text) make of the reader documents."""
import functools, json, os, pathlib, re, shutil, subprocess, tempfile  # noqa: E401
import xml.etree.ElementTree as ET

WORK = os.environ.get("VELRTF_READER_WORK", os.path.join(tempfile.gettempdir(), "velrtf-readers"))
DOCS = os.path.join(WORK, "docs")
SOFFICE = shutil.which("soffice") or shutil.which("libreoffice")
PANDOC, PDFTOTEXT, PDFTOPPM = map(shutil.which, ("pandoc", "pdftotext", "pdftoppm"))
NS = {prefix: "urn:oasis:names:tc:opendocument:xmlns:" + name for prefix, name in (
    ("office", "office:1.0"), ("style", "style:1.0"), ("text", "text:1.0"), ("table", "table:1.0"),
    ("draw", "drawing:1.0"), ("fo", "xsl-fo-compatible:1.0"), ("svg", "svg-compatible:1.0"))}
NS["xlink"] = "http://www.w3.org/1999/xlink"


def q(name):  # 'text:p' as ElementTree's '{namespace}p'
    prefix, local = name.split(":")
    return "{%s}%s" % (NS[prefix], local)


def _local(name):
    return name.split("}")[-1]


def _attrs(element):
    return {} if element is None else {_local(key): value for key, value in element.attrib.items()}


def _output(args):
    return subprocess.run(args, check=True, capture_output=True, timeout=60).stdout.decode("utf-8")


def generate(generator):  # writes every reader document into DOCS afresh
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(DOCS)
    subprocess.run([generator, DOCS], check=True, timeout=120)


def rtf_path(name):
    return os.path.join(DOCS, name + ".rtf")


def rtf_text(name):
    return pathlib.Path(rtf_path(name)).read_bytes().decode("latin-1")


@functools.cache
def convert_all(kind):  # every document converted to kind ("fodt", "pdf") in one LibreOffice start: the folder
    os.makedirs(out := os.path.join(WORK, kind), exist_ok=True)
    files = sorted(os.path.join(DOCS, f) for f in os.listdir(DOCS) if f.endswith(".rtf"))
    with tempfile.TemporaryDirectory(prefix="velrtf-lo-profile-", ignore_cleanup_errors=True) as profile:
        subprocess.run([SOFFICE, "-env:UserInstallation=file://" + profile, "--headless", "--norestore", "--convert-to",
                        kind, "--outdir", out] + files, check=True, timeout=600, capture_output=True)
    return out


@functools.cache
def libreoffice(name):  # the flat ODT tree LibreOffice makes of the document
    path = os.path.join(convert_all("fodt"), name + ".fodt")
    if not os.path.exists(path):
        raise AssertionError("LibreOffice did not open %s.rtf" % name)
    return ET.parse(path).getroot()


def _pdf(name):
    return os.path.join(convert_all("pdf"), name + ".pdf")


def pdf_pages(name):  # the text of each page of the PDF that LibreOffice prints
    pages = _output([PDFTOTEXT, "-layout", _pdf(name), "-"]).split("\f")
    return pages[:-1] if not pages[-1].strip() else pages


def pdf_words(name):  # each word of the printed PDF: (page from 1, word, x, y of its top left in points)
    html = _output([PDFTOTEXT, "-bbox", _pdf(name), "-"])
    root, x = ET.fromstring(html[html.index("<html"):]), "{http://www.w3.org/1999/xhtml}"  # no DOCTYPE
    return [(number, word.text, float(word.get("xMin")), float(word.get("yMin")))
            for number, page in enumerate(root.iter(x + "page"), 1) for word in page.iter(x + "word")]


def png_pages(name, resolution=50):  # paths of the printed pages as PNG files in WORK/png, for a person to see
    os.makedirs(out := os.path.join(WORK, "png"), exist_ok=True)
    _output([PDFTOPPM, "-png", "-r", str(resolution), _pdf(name), os.path.join(out, name)])
    return sorted(os.path.join(out, f) for f in os.listdir(out) if f.startswith(name + "-") and f.endswith(".png"))


def ppm_page(name, page, resolution=50):  # one printed page's pixels: width, height, RGB bytes row by row
    ppm = subprocess.run([PDFTOPPM, "-f", str(page), "-l", str(page), "-r", str(resolution), _pdf(name)],
                         check=True, capture_output=True, timeout=60).stdout
    head = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)  # then the pixels
    return int(head[1]), int(head[2]), ppm[head.end():]


@functools.cache
def pandoc(name):  # pandoc's JSON tree of the document
    return json.loads(_output([PANDOC, "-f", "rtf", "-t", "json", rtf_path(name)]))


def pandoc_plain(name):  # pandoc's plain-text rendering of the document
    return _output([PANDOC, "-f", "rtf", "-t", "plain", "--wrap=none", rtf_path(name)])


def body(root):
    return root.find("office:body/office:text", NS)


_LEFT_OUT = {q(tag) for tag in ("text:note", "draw:frame", "draw:custom-shape", "draw:rect", "draw:line",
                                "text:bookmark-start", "text:bookmark-end", "text:bookmark")}


def inline_text(element):  # a paragraph's or span's text, spaces, tabs and breaks expanded, no notes or frames
    parts = [element.text or ""]
    for child in element:
        if child.tag == q("text:s"):
            parts.append(" " * int(child.get(q("text:c"), "1")))
        elif child.tag not in _LEFT_OUT:
            parts.append({q("text:tab"): "\t", q("text:line-break"): "\n"}.get(child.tag) or inline_text(child))
        parts.append(child.tail or "")
    return "".join(parts)


def _walk(element, section=None):  # (paragraph or heading, its text:section) in order, none in notes or frames
    for child in element:
        if child.tag in (q("text:p"), q("text:h")):
            yield child, section
        elif child.tag not in (q("text:note"), q("draw:frame")):
            yield from _walk(child, child if child.tag == q("text:section") else section)


def paragraphs(root, within=None):  # the text of every paragraph and heading, in tables too, not in frames or notes
    return [inline_text(p) for p, _ in _walk(within if within is not None else body(root))]


def paragraph_elements(root):  # (text, element, enclosing text:section or None) of every body paragraph
    return [(inline_text(p), p, section) for p, section in _walk(body(root))]


def paragraph_styles(root):  # (text, common style) of every paragraph that paragraphs() lists
    return [(inline_text(p), common_style(root, p.get(q("text:style-name")))) for p, _ in _walk(body(root))]


def _styles(root, *holders):
    for holder in filter(lambda found: found is not None, (root.find(h, NS) for h in holders)):
        yield from holder.findall("style:style", NS)


def automatic_styles(root):  # style name -> {property: value, "family", "parent"} (automatic, then common styles)
    styles = {}
    for style in _styles(root, "office:automatic-styles", "office:styles"):
        parent = {"parent": style.get(q("style:parent-style-name"))} if style.get(q("style:parent-style-name")) else {}
        styles[style.get(q("style:name"))] = dict({"family": style.get(q("style:family"))}, **parent,
                                                  **{k: v for child in style for k, v in _attrs(child).items()})
    return styles


def style_display_names(root):  # style name -> the name users see (display-name, else the name)
    return {s.get(q("style:name")): s.get(q("style:display-name"), s.get(q("style:name")))
            for s in _styles(root, "office:styles", "office:automatic-styles")}


def common_style(root, name):  # the user-visible name of the common style behind `name` (followed to a parent)
    parents = {style.get(q("style:name")): style.get(q("style:parent-style-name"))
               for style in _styles(root, "office:automatic-styles")}
    name = parents.get(name) or name
    return style_display_names(root).get(name, name)


def master_pages(root):  # page style name -> {"header", "footer-left"...: element} of those it has
    return {page.get(q("style:name")): {_local(c.tag): c for c in page if _local(c.tag).startswith(("head", "foot"))}
            for page in root.findall("office:master-styles/style:master-page", NS)}


def master_page_layouts(root):  # master page name -> its page layout name
    return {page.get(q("style:name")): page.get(q("style:page-layout-name"))
            for page in root.iter(q("style:master-page"))}


def page_layouts(root):  # page layout name -> its page's properties (width, height, orientation, margins)
    return {layout.get(q("style:name")): _attrs(layout.find("style:page-layout-properties", NS))
            for layout in root.iter(q("style:page-layout"))}


def columns(root):  # style name -> (column count, column gap) of the sections and pages with columns
    return {style.get(q("style:name")): (int(cols.get(q("fo:column-count"), "1")), cols.get(q("fo:column-gap")))
            for style in [*root.iter(q("style:style")), *root.iter(q("style:page-layout"))]
            for cols in [style.find(".//style:columns", NS)] if cols is not None}


_PER_INCH = {"in": 1.0, "cm": 2.54, "mm": 25.4, "pt": 72.0, "pc": 6.0}


def twips(length):  # an ODF length ("0.7874in", "2cm", "10pt") in twips
    for unit, per_inch in _PER_INCH.items():
        if length.endswith(unit):
            return float(length[:-len(unit)]) / per_inch * 1440.0
    raise ValueError("no known unit in %r" % length)
