#include "codepage.h"

#include <array>
#include <cstring>

namespace codepage {

namespace {

// 0x80 ... 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString toUnicode(QByteArrayView bytes)
{
    // Latin-1 first, which Qt widens many bytes at a time; then the 32 bytes
    // where the code page differs from it. Notes are mostly ASCII: eight
    // bytes without a high bit are passed over at once.
    QString text = QString::fromLatin1(bytes);
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    char16_t *out = nullptr;
    qsizetype i = 0;
    while (i < n) {
        quint64 eight;
        if (i + 8 <= n && (std::memcpy(&eight, in + i, 8), (eight & 0x8080808080808080ULL) == 0)) {
            i += 8;
            continue;
        }
        if ((in[i] & 0xE0) == 0x80) {
            if (!out)
                out = reinterpret_cast<char16_t *>(text.data());
            out[i] = kHigh[in[i] - 0x80];
        }
        ++i;
    }
    return text;
}

bool appendFromUnicode(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *dst = out.data() + start;
    const char16_t *src = text.utf16();
    const qsizetype n = text.size();
    bool held = true;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(src[i + 1]))
            ++i;                         // one '?' for the whole character
        const int byte = byteOf(c);
        held = held && byte >= 0;
        *dst++ = byte >= 0 ? char(byte) : '?';
    }
    out.resize(dst - out.data());
    return held;
}

void appendWithReferences(QByteArray &out, QStringView text)
{
    const char16_t *src = text.utf16();
    const qsizetype n = text.size();
    out.reserve(out.size() + n);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i];
        if (const int byte = byteOf(c); byte >= 0) {
            out.append(char(byte));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            out.append("&#").append(QByteArray::number(QChar::surrogateToUcs4(c, src[i + 1]))).append(';');
            ++i;
        } else if (QChar::isSurrogate(c)) {
            out.append('?');
        } else {
            out.append("&#").append(QByteArray::number(uint(c))).append(';');
        }
    }
}

QByteArray fromUnicode(QStringView text)
{
    QByteArray out;
    appendFromUnicode(out, text);
    return out;
}

} // namespace codepage
