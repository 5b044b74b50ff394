#include "report.h"

#include "calendar.h"
#include "codepage.h"
#include "datecaptions.h"
#include "encoding.h"
#include "fileio.h"
#include "store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace report {

namespace {

constexpr int kNameLetters = 32;
// Each clash with an existing file costs one more name; with 26^32 names a
// second clash means something else stands in the way.
constexpr int kNameAttempts = 16;
// A page buffer up to this size is kept for the next report.
constexpr qsizetype kKeptPageCapacity = 4 * 1024 * 1024;

// The page under construction: bytes go straight into one buffer that grows
// geometrically and is cut to its length at the end. The buffer's earlier
// allocation is used as it is.
class PageWriter
{
public:
    explicit PageWriter(QByteArray &page)
        : m_page(page)
    {
        m_page.resize(std::max<qsizetype>(m_page.capacity(), 4096));
    }

    // Room for `size` more bytes; returns where they go.
    char *reserve(qsizetype size)
    {
        if (m_used + size > m_page.size())
            m_page.resize(std::max(m_page.size() * 2, m_used + size));
        return m_page.data() + m_used;
    }
    void append(const char *data, qsizetype size)
    {
        std::memcpy(reserve(size), data, static_cast<std::size_t>(size));
        m_used += size;
    }
    void append(QByteArrayView bytes) { append(bytes.data(), bytes.size()); }
    // Text in the page's code page, a reference for each character it lacks.
    void appendText(QStringView text)
    {
        m_text.clear();
        codepage::appendWithReferences(m_text, text);
        append(m_text);
    }
    void appendEscaped(QByteArrayView note, bool utf8);

    void finish() { m_page.resize(m_used); }

private:
    // Bytes of the note copied as they are: Windows-1252 as it stands, UTF-8
    // as its characters in the page's code page.
    void appendPlain(const char *data, qsizetype size, bool utf8);

    QByteArray &m_page;
    qsizetype m_used = 0;
    QByteArray m_text;
};

// Bytes that are replaced wherever they stand; a space and a carriage return
// only in the pairs "  " and CR LF.
constexpr std::array<bool, 256> kAlwaysEscaped = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {'&', '\t', '"', '>', '<'})
        t[c] = true;
    return t;
}();

// Index of the first byte at or after i that the escaping replaces, or n.
// Notes are mostly plain text, so the search decides the page's cost.
qsizetype findEscape(const unsigned char *src, qsizetype i, qsizetype n)
{
#if defined(__SSE2__)
    // Sixteen bytes at a time; y is x moved on by one, for the pairs.
    const auto is = [](__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
    for (; i + 17 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i + 1));
        const __m128i hit = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(is(x, '&'), is(x, '\t')),
                         _mm_or_si128(is(x, '"'), _mm_or_si128(is(x, '>'), is(x, '<')))),
            _mm_or_si128(_mm_and_si128(is(x, ' '), is(y, ' ')),
                         _mm_and_si128(is(x, '\r'), is(y, '\n'))));
        if (const int bits = _mm_movemask_epi8(hit))
            return i + __builtin_ctz(static_cast<unsigned>(bits));
    }
#endif
    for (; i < n; ++i) {
        const unsigned char c = src[i];
        const unsigned char next = i + 1 < n ? src[i + 1] : 0;
        if (kAlwaysEscaped[c] | ((c == ' ') & (next == ' ')) | ((c == '\r') & (next == '\n')))
            return i;
    }
    return n;
}

// The note with the page's escaping. The effect is that of seven
// replacements over the whole note, one after the other: "&" -> "&amp;",
// tab -> eight "&nbsp;", two spaces -> "&nbsp; ", '"' -> "&quot;",
// ">" -> "&gt;", "<" -> "&lt;", CR LF -> "<br>". No replacement inserts a
// character that a later one looks for, and the ampersand goes first, so a
// single pass gives the same bytes. A run of k spaces becomes k / 2 times
// "&nbsp; " and one plain space when k is odd; lone CR and LF stay.
// Runs of bytes that stay as they are are copied whole. A UTF-8 note is
// escaped the same way, every replaced character being ASCII; then the
// characters between go into the page's code page, with a reference for
// each that it lacks.
void PageWriter::appendEscaped(QByteArrayView note, bool utf8)
{
    const auto *src = reinterpret_cast<const unsigned char *>(note.data());
    const qsizetype n = note.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype runStart = i;
        i = findEscape(src, i, n);
        appendPlain(reinterpret_cast<const char *>(src) + runStart, i - runStart, utf8);
        if (i == n)
            break;
        switch (src[i]) {
        case '&': append("&amp;", 5); break;
        case '\t': append("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;", 48); break;
        case '"': append("&quot;", 6); break;
        case '>': append("&gt;", 4); break;
        case '<': append("&lt;", 4); break;
        case ' ': append("&nbsp; ", 7); ++i; break;   // the pair's second space
        case '\r': append("<br>", 4); ++i; break;     // and its line feed
        default: break;
        }
        ++i;
    }
}

void PageWriter::appendPlain(const char *data, qsizetype size, bool utf8)
{
    if (utf8 && std::any_of(data, data + size, [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
        appendText(store::decode(QByteArrayView(data, size), store::Encoding::Utf8));
        return;
    }
    append(data, size);
}

// temp/ belongs to the working folder: a symbolic link of that name is
// never followed, so that no page is made in, or deleted from, a folder
// elsewhere.
bool isLink(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

// "report-" + 32 letters A ... Z in drawing order + ".htm".
QByteArray drawName(const std::function<float()> &nextRandom)
{
    QByteArray name("report-");
    name.reserve(name.size() + kNameLetters + 4);
    for (int i = 0; i < kNameLetters; ++i)
        name.append(static_cast<char>(Rand(nextRandom, 65, 90)));
    name.append(".htm");
    return name;
}

// BuildPage into `page`, whose allocation is reused.
void buildPage(QByteArray &page, qint16 month, qint16 year,
               const std::function<QByteArray(qint16 day)> &noteBytes, const calendar::DateWords &words)
{
    static constexpr char kHead[] = "<html><head></head><body>";
    static constexpr char kTail[] = "</body></html>";

    // One note at a time: a note's buffer is given back before the next
    // one is read.
    PageWriter writer(page);
    writer.append(kHead, sizeof kHead - 1);
    const int days = calendar::GetDaysInMonth(month, year);   // 0 ... 31
    for (int day = 1; day <= days; ++day) {
        const QByteArray note = noteBytes(static_cast<qint16>(day));
        if (note.isEmpty())
            continue;
        writer.append("<hr><b>", 7);
        writer.appendText(calendar::DayHeading(day, month, year, words));
        writer.append("</b><br>", 8);
        const store::Encoding encoding = store::encodingOf(note);
        writer.appendEscaped(store::textBytes(note, encoding), store::isUtf8(encoding));
    }
    writer.append(kTail, sizeof kTail - 1);
    writer.finish();
}

} // namespace

qint32 Rand(const std::function<float()> &nextRandom, qint32 Low, qint32 High)
{
    const float r = nextRandom();   // [0, 1)
    // High - Low + 1 wraps like 32-bit arithmetic instead of overflowing.
    const auto n = static_cast<qint32>(static_cast<quint32>(High) - static_cast<quint32>(Low) + 1u);
    const double drawn = std::floor(static_cast<double>(r) * static_cast<double>(n));   // [0, n - 1]
    return static_cast<qint32>(static_cast<qint64>(drawn) + Low);
}

QByteArray BuildPage(qint16 month, qint16 year,
                     const std::function<QByteArray(qint16 day)> &noteBytes, const calendar::DateWords &words)
{
    QByteArray page;
    buildPage(page, month, year, noteBytes, words);
    return page;
}

Written WriteReport(const QString &workingFolder, qint16 month, qint16 year,
                    const store::NoteStore &notes, const std::function<float()> &nextRandom,
                    const calendar::DateWords &words)
{
    // The page's buffer stays allocated from one press to the next: fresh
    // memory for every page costs more than reading the notes does.
    thread_local QByteArray page;
    const auto release = qScopeGuard([] {
        if (page.capacity() > kKeptPageCapacity)
            page = QByteArray();
    });
    // The whole page is built before any file is made, so a note that
    // cannot be read leaves nothing behind.
    QStringList unreadable;
    buildPage(page, month, year, [&](qint16 day) {
        store::Bytes note = notes.GetBytes(day, month, year);
        if (!note.ok())
            unreadable << note.error;
        return std::move(note.bytes);
    }, words);
    if (!unreadable.isEmpty()) {
        return {QString(), unreadable.join(QLatin1Char('\n'))
                    + QLatin1Char('\n')
                    + QCoreApplication::translate("report", "The report of %1 was not made.")
                          .arg(calendar::MonthTitle(month, year, words))};
    }

    const QByteArray tempDir = QFile::encodeName(workingFolder) + "/temp";
    if (isLink(tempDir)) {
        return {QString(), QCoreApplication::translate("report",
                                                       "Cannot write temp/: it is a link to another folder, and "
                                                       "report pages go only into a temp/ folder of the working "
                                                       "folder's own.")};
    }
    // The page is always a new file, for the user alone: an existing file of
    // that name is never truncated, and a link there is never followed. A
    // working folder without temp/ gets one with the first report.
    const fileio::NewFile created =
        fileio::createUnique(tempDir, [&] { return drawName(nextRandom); }, 0600, kNameAttempts);
    const QByteArray &path = created.path;
    const auto failure = [&](int err) {
        return Written{QString(), QCoreApplication::translate("report", "Cannot write temp/%1: %2")
                                      .arg(QFile::decodeName(path.mid(tempDir.size() + 1)),
                                           fileio::reason(err))};
    };
    if (created.fd < 0)
        return failure(created.error);
    const int fd = created.fd;

    int err = 0;
    if (!fileio::writeAll(fd, page.constData(), page.size()))
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        // A page cut short is worth nothing; take it away again.
        ::unlink(path.constData());
        return failure(err);
    }
    return {QFile::decodeName(path), QString()};
}

QStringList DeleteReports(const QString &workingFolder)
{
    QStringList errors;
    if (isLink(QFile::encodeName(workingFolder) + "/temp"))
        return errors;
    QDir temp(workingFolder + QLatin1String("/temp"));
    const QStringList pages = temp.entryList({QStringLiteral("report-*.htm")},
                                             QDir::Files | QDir::Hidden | QDir::System
                                                 | QDir::CaseSensitive);
    for (const QString &name : pages) {
        QFile page(temp.filePath(name));
        if (!page.remove())
            errors << QCoreApplication::translate("report", "Cannot delete temp/%1: %2").arg(name, page.errorString());
    }
    return errors;
}

} // namespace report
