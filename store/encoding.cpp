#include "encoding.h"

#include "codepage.h"

#include <QStringDecoder>

#include <cstring>

namespace store {

namespace {

bool startsWithMark(QByteArrayView bytes)
{
    return bytes.size() >= kUtf8MarkSize && std::memcmp(bytes.data(), kUtf8Mark, kUtf8MarkSize) == 0;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes, bool *nonAscii)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = p + bytes.size();
    bool high = false;
    while (p < end) {
        // Notes are mostly ASCII: eight such bytes are passed over at once.
        quint64 eight;
        if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080ULL) == 0)) {
            p += 8;
            continue;
        }
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        high = true;
        // The second byte's range shuts out overlong forms (E0, F0),
        // surrogates (ED) and what lies above U+10FFFF (F4).
        qsizetype length;
        unsigned char low = 0x80, top = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0;
            else if (b == 0xED)
                top = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90;
            else if (b == 0xF4)
                top = 0x8F;
        } else {
            return false;
        }
        if (end - p < length || p[1] < low || p[1] > top)
            return false;
        for (qsizetype i = 2; i < length; ++i) {
            if (!isContinuation(p[i]))
                return false;
        }
        p += length;
    }
    if (nonAscii)
        *nonAscii = high;
    return true;
}

Encoding encodingOf(QByteArrayView bytes)
{
    if (startsWithMark(bytes))
        return isValidUtf8(bytes.sliced(kUtf8MarkSize)) ? Encoding::Utf8Marked : Encoding::Windows1252;
    bool nonAscii = false;
    return isValidUtf8(bytes, &nonAscii) && nonAscii ? Encoding::Utf8 : Encoding::Windows1252;
}

QByteArrayView textBytes(QByteArrayView file, Encoding encoding)
{
    return encoding == Encoding::Utf8Marked ? file.sliced(kUtf8MarkSize) : file;
}

QString decode(QByteArrayView file, Encoding encoding)
{
    if (encoding == Encoding::Windows1252)
        return codepage::toUnicode(file);
    const QByteArrayView text = textBytes(file, encoding);
    // fromUtf8 passes over a U+FEFF at the start as a mark; here it is a
    // character of the text.
    if (!startsWithMark(text))
        return QString::fromUtf8(text);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(text);
}

Encoded encode(QStringView text, Encoding read)
{
    Encoded out;
    if (read == Encoding::Windows1252) {
        // Bytes that would read back as UTF-8 would not read back as this
        // text.
        if (codepage::appendFromUnicode(out.bytes, text) && encodingOf(out.bytes) == Encoding::Windows1252)
            return out;
        out.bytes.clear();
    }
    // toUtf8 writes valid UTF-8 whatever the text: a lone surrogate, which
    // no file could hold, becomes U+FFFD.
    const bool mark = read == Encoding::Utf8Marked || text.startsWith(QChar(0xFEFF));
    if (mark)
        out.bytes.append(kUtf8Mark, kUtf8MarkSize);
    out.bytes.append(text.toUtf8());
    bool nonAscii = false;
    for (const char c : out.bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            nonAscii = true;
            break;
        }
    }
    out.encoding = mark ? Encoding::Utf8Marked : nonAscii ? Encoding::Utf8 : Encoding::Windows1252;
    return out;
}

} // namespace store
