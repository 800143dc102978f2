// Error reports: one process-wide table of numbered messages, reports shown
// as message boxes or stored quietly for VelGetLastMessage.
#pragma once

struct VelDocRecord;

// Message numbers the library reports by name.
enum ErrorNumber {
    ERR_INVALID_BITMAP = 1,
    ERR_COULD_NOT_OPEN_FILE = 5,
    ERR_BUFFER_LOCK = 12,
    ERR_METAFILE_DATA = 13,
    ERR_INVALID_METAFILE = 14,
    ERR_COPY_METAFILE = 15,
    ERR_READ_METAFILE = 17,
    ERR_OPEN_PICTURE = 20,
    ERR_READ_PICTURE = 21,
    ERR_OUT_OF_MEMORY = 23,
    ERR_EMF_HEADER = 29,
    ERR_INVALID_SEQUENCE = 47,
    ERR_COMPOSED_SEQUENCE = 48,
    ERR_CELL_INFO_MISSING = 51,
    ERR_CELL_INFO_NOT_CALLED = 52,
    ERR_NO_CELL_IN_ROW = 53,
    ERR_CELL_TEXT_MISSING = 54,
    ERR_CLIPBOARD_BUSY = 55,
    ERR_CLIPBOARD_DATA = 56,
    ERR_TABLE_CORRUPT = 60,
};

constexpr int kMessageCount = 200;
constexpr int kComposedMessageSize = 304;

// Reports `number` for `doc` (or for no document) under `caption` (the name
// of the operation; null shows "Error" and stores an empty caption). Always 0.
int ReportError(VelDocRecord* doc, int number, const char* caption);

// Makes `text` the message of number 48 until the next composition.
void SetComposedMessage(const char* text);

// Copies the text of message `number` into `out` (at least 300 bytes).
void CopyMessageText(int number, char* out, int capacity);

// The process-wide default flags that new documents copy.
unsigned DefaultDocFlags();

// 1 when the ANSI code page has multi-byte characters (read at load).
int MultiByteSystem();
