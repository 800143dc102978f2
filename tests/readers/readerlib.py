"""What real RTF readers make of the library's output.

The generator writes every reader document once; LibreOffice converts them
all to flat ODT in one start (and to PDF when a check asks for pages); pandoc
turns each into its JSON tree. Checks then ask for the recovered text,
tables, page layout and so on through the helpers below.
"""

import json
import os
import shutil
import subprocess
import tempfile
import xml.etree.ElementTree as ET

WORK = os.environ.get("VELRTF_READER_WORK", os.path.join(tempfile.gettempdir(), "velrtf-readers"))
DOCS = os.path.join(WORK, "docs")
SOFFICE = shutil.which("soffice") or shutil.which("libreoffice")
PANDOC = shutil.which("pandoc")
PDFTOTEXT = shutil.which("pdftotext")
PDFTOPPM = shutil.which("pdftoppm")

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "xlink": "http://www.w3.org/1999/xlink",
}


def q(name):
    """'text:p' as ElementTree's '{namespace}p'."""
    prefix, local = name.split(":")
    return "{%s}%s" % (NS[prefix], local)


def generate(generator):
    """Writes every reader document into DOCS afresh."""
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(DOCS)
    subprocess.run([generator, DOCS], check=True, timeout=120)


def rtf_path(name):
    return os.path.join(DOCS, name + ".rtf")


def rtf_text(name):
    with open(rtf_path(name), "rb") as f:
        return f.read().decode("latin-1")


_converted = {}


def convert_all(kind):
    """Converts every document to `kind` ("fodt" or "pdf") in one
    LibreOffice start; gives the output folder."""
    if kind in _converted:
        return _converted[kind]
    out = os.path.join(WORK, kind)
    os.makedirs(out, exist_ok=True)
    profile = tempfile.mkdtemp(prefix="velrtf-lo-profile-")
    files = sorted(os.path.join(DOCS, f) for f in os.listdir(DOCS) if f.endswith(".rtf"))
    try:
        subprocess.run(
            [SOFFICE, "-env:UserInstallation=file://" + profile, "--headless", "--norestore",
             "--convert-to", kind, "--outdir", out] + files,
            check=True, timeout=600, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    _converted[kind] = out
    return out


_odt = {}


def libreoffice(name):
    """The flat ODT tree LibreOffice makes of the document."""
    if name not in _odt:
        path = os.path.join(convert_all("fodt"), name + ".fodt")
        if not os.path.exists(path):
            raise AssertionError("LibreOffice did not open %s.rtf" % name)
        _odt[name] = ET.parse(path).getroot()
    return _odt[name]


def pdf_pages(name):
    """The text of each page of the PDF that LibreOffice prints."""
    path = os.path.join(convert_all("pdf"), name + ".pdf")
    text = subprocess.run([PDFTOTEXT, "-layout", path, "-"], check=True, capture_output=True,
                          timeout=60).stdout.decode("utf-8")
    pages = text.split("\f")
    if pages and not pages[-1].strip():
        pages.pop()
    return pages


def pdf_words(name):
    """Every word of the PDF that LibreOffice prints, as (page, word, x, y):
    the page counted from 1 and the word's top left corner in points from
    the page's top left."""
    path = os.path.join(convert_all("pdf"), name + ".pdf")
    html = subprocess.run([PDFTOTEXT, "-bbox", path, "-"], check=True, capture_output=True,
                          timeout=60).stdout.decode("utf-8")
    root = ET.fromstring(html[html.index("<html"):])  # without the DOCTYPE
    words = []
    xhtml = "{http://www.w3.org/1999/xhtml}"
    for number, page in enumerate(root.iter(xhtml + "page"), 1):
        for word in page.iter(xhtml + "word"):
            words.append((number, word.text, float(word.get("xMin")), float(word.get("yMin"))))
    return words


def png_pages(name, resolution=50):
    """Renders the pages of the PDF that LibreOffice prints as PNG files in
    the work folder, for a person to look at; gives their paths."""
    path = os.path.join(convert_all("pdf"), name + ".pdf")
    out = os.path.join(WORK, "png")
    os.makedirs(out, exist_ok=True)
    prefix = os.path.join(out, name)
    subprocess.run([PDFTOPPM, "-png", "-r", str(resolution), path, prefix], check=True, timeout=60)
    return sorted(os.path.join(out, f) for f in os.listdir(out)
                  if f.startswith(name + "-") and f.endswith(".png"))


_pandoc = {}


def pandoc(name):
    """pandoc's JSON tree of the document."""
    if name not in _pandoc:
        out = subprocess.run([PANDOC, "-f", "rtf", "-t", "json", rtf_path(name)], check=True,
                             capture_output=True, timeout=60).stdout
        _pandoc[name] = json.loads(out)
    return _pandoc[name]


def pandoc_plain(name):
    """pandoc's plain-text rendering of the document."""
    return subprocess.run([PANDOC, "-f", "rtf", "-t", "plain", "--wrap=none", rtf_path(name)],
                          check=True, capture_output=True, timeout=60).stdout.decode("utf-8")


# ---- Flat ODT helpers -------------------------------------------------------------

def body(root):
    return root.find("office:body/office:text", NS)


def inline_text(element):
    """The text of a paragraph or span: spaces, tabs and line breaks
    expanded, notes and frames left out."""
    parts = [element.text or ""]
    for child in element:
        tag = child.tag
        if tag == q("text:s"):
            parts.append(" " * int(child.get(q("text:c"), "1")))
        elif tag == q("text:tab"):
            parts.append("\t")
        elif tag == q("text:line-break"):
            parts.append("\n")
        elif tag in (q("text:note"), q("draw:frame"), q("draw:custom-shape"), q("draw:rect"),
                     q("draw:line"), q("text:bookmark-start"), q("text:bookmark-end"),
                     q("text:bookmark")):
            pass
        else:
            parts.append(inline_text(child))
        parts.append(child.tail or "")
    return "".join(parts)


def paragraphs(root, within=None):
    """The text of every paragraph and heading in document order, those in
    tables included, those in frames, notes and headers left out."""
    result = []

    def walk(element):
        for child in element:
            if child.tag in (q("text:p"), q("text:h")):
                result.append(inline_text(child))
            elif child.tag in (q("text:note"), q("draw:frame")):
                continue
            else:
                walk(child)

    walk(within if within is not None else body(root))
    return result


_UNITS = {"in": 1440.0, "cm": 1440.0 / 2.54, "mm": 144.0 / 2.54, "pt": 20.0}


def twips(length):
    """An ODF length such as "1.5in", "2.54cm" or "12pt" in twips."""
    for unit, factor in _UNITS.items():
        if length.endswith(unit):
            return float(length[:-len(unit)]) * factor
    raise ValueError("unknown unit in %r" % length)


def automatic_styles(root):
    """Style name -> {property name: value} of the automatic styles, the
    paragraph, text, table-cell and graphic properties merged."""
    styles = {}
    for holder in (root.find("office:automatic-styles", NS), root.find("office:styles", NS)):
        if holder is None:
            continue
        for style in holder.findall("style:style", NS):
            props = {"family": style.get(q("style:family"))}
            parent = style.get(q("style:parent-style-name"))
            if parent:
                props["parent"] = parent
            for child in style:
                for key, value in child.attrib.items():
                    props[key.split("}")[1] if "}" in key else key] = value
            styles[style.get(q("style:name"))] = props
    return styles


def style_display_names(root):
    """Style name -> the name users see (display-name, else the name), for
    the common and the automatic styles."""
    names = {}
    for holder in (root.find("office:styles", NS), root.find("office:automatic-styles", NS)):
        if holder is None:
            continue
        for style in holder.findall("style:style", NS):
            name = style.get(q("style:name"))
            names[name] = style.get(q("style:display-name"), name)
    return names


def common_style(root, name):
    """The user-visible name of the common style behind style `name`: an
    automatic style is followed to its parent."""
    auto = root.find("office:automatic-styles", NS)
    if auto is not None:
        for style in auto.findall("style:style", NS):
            if style.get(q("style:name")) == name and style.get(q("style:parent-style-name")):
                name = style.get(q("style:parent-style-name"))
                break
    return style_display_names(root).get(name, name)


def paragraph_styles(root):
    """(text, common style) of every paragraph that paragraphs() lists, in
    document order."""
    result = []

    def walk(element):
        for child in element:
            if child.tag in (q("text:p"), q("text:h")):
                result.append((inline_text(child), common_style(root, child.get(q("text:style-name")))))
            elif child.tag not in (q("text:note"), q("draw:frame")):
                walk(child)

    walk(body(root))
    return result


def master_pages(root):
    """Page style name -> {kind: element} for each header and footer it has;
    kinds are the element names: header, header-left, header-first, footer,
    footer-left, footer-first."""
    pages = {}
    masters = root.find("office:master-styles", NS)
    for page in masters.findall("style:master-page", NS) if masters is not None else []:
        parts = {}
        for child in page:
            local = child.tag.split("}")[1]
            if local.startswith(("header", "footer")):
                parts[local] = child
        pages[page.get(q("style:name"))] = parts
    return pages


# ---- Page layout --------------------------------------------------------------------

_UNITS_PER_INCH = {"in": 1.0, "cm": 2.54, "mm": 25.4, "pt": 72.0, "pc": 6.0}


def twips(length):
    """An ODF length ("0.7874in", "2cm", "10pt") in twips."""
    for unit, per_inch in _UNITS_PER_INCH.items():
        if length.endswith(unit):
            return float(length[:-len(unit)]) / per_inch * 1440.0
    raise ValueError("no known unit in %r" % length)


def page_layouts(root):
    """Page layout name -> the properties of its page (width, height,
    orientation, margins), as LibreOffice wrote them."""
    layouts = {}
    for layout in root.iter(q("style:page-layout")):
        props = {}
        found = layout.find("style:page-layout-properties", NS)
        if found is not None:
            for key, value in found.attrib.items():
                props[key.split("}")[1] if "}" in key else key] = value
        layouts[layout.get(q("style:name"))] = props
    return layouts


def master_page_layouts(root):
    """Master page name -> its page layout name."""
    return {page.get(q("style:name")): page.get(q("style:page-layout-name"))
            for page in root.iter(q("style:master-page"))}


def columns(root):
    """Style name -> (column count, column gap) of every style with columns
    (sections and pages)."""
    found = {}
    for style in list(root.iter(q("style:style"))) + list(root.iter(q("style:page-layout"))):
        cols = style.find(".//style:columns", NS)
        if cols is not None:
            found[style.get(q("style:name"))] = (int(cols.get(q("fo:column-count"), "1")),
                                                cols.get(q("fo:column-gap")))
    return found


def paragraph_elements(root):
    """(text, paragraph element, enclosing text:section element or None) for
    every paragraph of the body, in document order."""
    result = []

    def walk(element, section):
        for child in element:
            if child.tag in (q("text:p"), q("text:h")):
                result.append((inline_text(child), child, section))
            elif child.tag in (q("text:note"), q("draw:frame")):
                continue
            else:
                walk(child, child if child.tag == q("text:section") else section)

    walk(body(root), None)
    return result
