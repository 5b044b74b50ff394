#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Note files and report pages hold one byte per character in Windows-1252.
// The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 controls of the same number, so every byte value reads in
// and writes back unchanged.
namespace codepage {

QString toUnicode(QByteArrayView bytes);

// A character the code page cannot hold becomes '?', one per character (a
// surrogate pair is one character).
QByteArray fromUnicode(QStringView text);

// Appends the encoded text to out, for callers that build a larger buffer.
// True when the code page holds every character of the text.
bool appendFromUnicode(QByteArray &out, QStringView text);

// Appends the encoded text to out with a decimal character reference
// ("&#321;") for each character the code page cannot hold, a character
// beyond 16 bits included ("&#128512;"): a web page in this code page that
// shows every character. A lone surrogate, which is no character, becomes
// '?'.
void appendWithReferences(QByteArray &out, QStringView text);

} // namespace codepage
