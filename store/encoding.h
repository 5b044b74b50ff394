#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// How a note file's bytes are read as text, and how a note's text is
// written as bytes. Nothing else in the program decides it.
//
// Reading: a file that begins with the UTF-8 mark (EF BB BF) and is valid
// UTF-8 after it is UTF-8, the mark no part of the text. A file without the
// mark whose bytes are valid UTF-8 (no overlong form, no surrogate, nothing
// above U+10FFFF) and that holds at least one byte of 0x80 or more is
// UTF-8. Every other file is Windows-1252, one byte a character, every byte
// value included.
//
// Writing: a note read as UTF-8 is written as UTF-8 again, with its mark
// when it had one. Any other note (read as Windows-1252, or new) is written
// in Windows-1252 when that code page holds all of its characters, and in
// UTF-8 without a mark when it does not. Either way the bytes written read
// back as the same text: Windows-1252 bytes that would read as UTF-8 (a
// note holding "Ã©" and nothing else outside ASCII) are written in UTF-8
// instead, and a text that begins with U+FEFF gets the mark, which keeps
// that character from being taken for one.
namespace store {

enum class Encoding : quint8 {
    Windows1252,   // every file the rule does not read as UTF-8
    Utf8,          // valid UTF-8 with a byte of 0x80 or more, no mark
    Utf8Marked,    // the mark, then valid UTF-8
};

constexpr bool isUtf8(Encoding e)
{
    return e != Encoding::Windows1252;
}

// The mark that may begin a UTF-8 note file.
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8MarkSize = 3;

// Whether bytes are valid UTF-8, and whether any of them is 0x80 or more.
bool isValidUtf8(QByteArrayView bytes, bool *nonAscii = nullptr);

// How the rule reads a file of these bytes.
Encoding encodingOf(QByteArrayView bytes);

// The bytes of the text in a file read with `encoding`: all of them, or
// all after the mark.
QByteArrayView textBytes(QByteArrayView file, Encoding encoding);

// The text of a file read with `encoding`.
QString decode(QByteArrayView file, Encoding encoding);

struct Encoded {
    QByteArray bytes;
    Encoding encoding = Encoding::Windows1252;   // how the rule reads `bytes`
};

// The bytes that store `text` for a note read as `read` (Windows1252 for a
// new note), by the rule for writing.
Encoded encode(QStringView text, Encoding read);

} // namespace store
