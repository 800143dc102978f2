// Picture data for the tests, built byte by byte: bitmap files and packed
// bitmaps, Windows and placeable metafiles, enhanced metafiles and JFIF
// files, and the host objects that carry them (memory blocks, metafile
// handles, a metafile picture).
#pragma once

#include <cstdint>
#include <string>

#include "velrtf.h"

std::string Le16(unsigned value);
std::string Le32(uint32_t value);
std::string Be16(unsigned value);
std::string Be32(uint32_t value);

// The screen resolution of this run (the document's pictures are measured
// by it), and twips of `pixels` at it, rounded as the library rounds.
int Dpi();
int Twips(int pixels);

// A packed bitmap: an info header (or with `core` a core header), its colour
// table and the bits, rows of RowBytes each; `bits` fill the rows in turn.
std::string PackedDib(int width, int height, int bitCount, bool core = false, uint32_t colorsUsed = 0,
                      uint32_t compression = 0, uint32_t sizeImage = 0);
// A bitmap file holding that packed bitmap.
std::string BitmapFile(const std::string& packedDib, int headerBlockLength);
// A memory-metafile's bytes: the 18-byte header, `records`, the end record.
std::string Metafile(const std::string& records = "");
// A placeable metafile file: the placeable header, then `metafile`.
std::string PlaceableMetafile(int left, int top, int right, int bottom, unsigned inch,
                              const std::string& metafile = Metafile());
// An enhanced metafile: the 108-byte header with these bounds and device
// sizes, `records`, the end record; nBytes is its length unless given.
std::string EnhMetafile(int boundsRight, int boundsBottom, int deviceWidth, int deviceHeight, int millimetresWidth,
                        int millimetresHeight, const std::string& records = "", uint32_t nBytes = 0);
// The start of a JFIF file, then `size` bytes of data and the end marker.
std::string JfifJpeg(size_t size = 16);
// A PNG of width x height 8-bit RGB pixels: the signature, IHDR, one IDAT
// chunk holding `data`, IEND.
std::string Png(uint32_t width, uint32_t height, const std::string& data);
// A PNG that readers can decode: width x height RGB pixels in bands of
// colour, compressed with stored (uncompressed) deflate blocks.
std::string RgbPng(int width, int height);

// The bytes as lower-case hex digits, as a picture group holds them.
std::string Hex(const std::string& bytes);
// Writes a scratch file in the temporary folder; gives its path.
std::string WriteTempFile(const std::string& name, const std::string& bytes);

// Host objects made from bytes; the caller releases them.
HGLOBAL BlockOf(const std::string& bytes);
HMETAFILE MetafileOf(const std::string& bytes);
HENHMETAFILE EnhMetafileOf(const std::string& bytes);
// A block holding a METAFILEPICT.
HGLOBAL MetafilePictOf(int mapMode, int xExt, int yExt, HMETAFILE metafile);
// VelPastePicture of `bytes` in a new block under `format`; the block is
// released after.
int PasteBlock(HVELDOC doc, unsigned format, const std::string& bytes, int width = 0, int height = 0);
