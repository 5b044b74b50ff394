#include "matching.h"

#include "codepage.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace notesearch {

namespace {

// UTF-16 code units of the characters of valid UTF-8 in [p, end): one for
// each byte that begins a character, and one more for each of four bytes.
qsizetype utf16Length(const char *p, const char *end)
{
    qsizetype units = 0;
    for (; p < end; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        units += (b & 0xC0) != 0x80;
        units += b >= 0xF0;
    }
    return units;
}

// The first byte in [p, end) that is a or b, or nullptr.
const unsigned char *findEither(const unsigned char *p, const unsigned char *end, unsigned char a, unsigned char b)
{
    if (a == b)
        return static_cast<const unsigned char *>(std::memchr(p, a, std::size_t(end - p)));
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(char(a));
    const __m128i vb = _mm_set1_epi8(char(b));
    while (end - p >= 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)));
        if (mask != 0)
            return p + __builtin_ctz(unsigned(mask));
        p += 16;
    }
#endif
    for (; p < end; ++p) {
        if (*p == a || *p == b)
            return p;
    }
    return nullptr;
}

// A character's simple case folding, ASCII's without a look-up.
char32_t fold(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// Every character whose folding differs from itself, by its folding: the
// other cases of a character. Made once, when first needed, from the first
// two planes: no script of the others has cases.
const std::multimap<char32_t, char32_t> &otherCases()
{
    static const std::multimap<char32_t, char32_t> cases = [] {
        std::multimap<char32_t, char32_t> m;
        for (char32_t c = 0; c < 0x20000; ++c) {
            if (c == 0xD800)
                c = 0xE000;
            if (const char32_t f = QChar::toCaseFolded(c); f != c)
                m.emplace(f, c);
        }
        return m;
    }();
    return cases;
}

// The characters that fold to f, f itself first.
std::vector<char32_t> casesOf(char32_t f)
{
    std::vector<char32_t> all{f};
    const auto [from, to] = otherCases().equal_range(f);
    for (auto it = from; it != to; ++it)
        all.push_back(it->second);
    return all;
}

// Windows-1252 by the folding of its characters: the folding of each byte,
// and the byte that stands for all bytes of that folding.
struct SingleByteCases {
    std::array<char32_t, 256> folded{};
    std::array<unsigned char, 256> canonical{};
};

const SingleByteCases &singleByteCases()
{
    static const SingleByteCases table = [] {
        SingleByteCases t;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            t.folded[b] = fold(codepage::toUnicode(QByteArrayView(&byte, 1)).at(0).unicode());
            t.canonical[b] = static_cast<unsigned char>(b);
            for (int earlier = 0; earlier < b; ++earlier) {
                if (t.folded[earlier] == t.folded[b]) {
                    t.canonical[b] = static_cast<unsigned char>(earlier);
                    break;
                }
            }
        }
        return t;
    }();
    return table;
}

// The UTF-8 forms of the characters outside ASCII that fold into it.
const std::vector<QByteArray> &foldingIntoAscii()
{
    static const std::vector<QByteArray> forms = [] {
        std::vector<QByteArray> all;
        for (const auto &[f, c] : otherCases()) {
            if (f < 0x80 && c >= 0x80)
                all.push_back(QString::fromUcs4(&c, 1).toUtf8());
        }
        return all;
    }();
    return forms;
}

// The character at p in valid UTF-8, and p moved past it; end bounds it.
char32_t nextCode(const unsigned char *&p, const unsigned char *end)
{
    const unsigned char b = *p++;
    if (b < 0x80)
        return b;
    const int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    char32_t c = b & (0x3F >> more);
    for (int i = 0; i < more && p < end; ++i)
        c = (c << 6) | (*p++ & 0x3F);
    return c;
}

} // namespace

Kind kindOf(QByteArrayView text, store::Encoding encoding)
{
    if (!store::isUtf8(encoding))
        return Kind::Windows1252;
    const std::string_view bytes(text.data(), std::size_t(text.size()));
    for (const QByteArray &form : foldingIntoAscii()) {
        if (bytes.find(std::string_view(form.constData(), std::size_t(form.size()))) != std::string_view::npos)
            return Kind::Utf8FoldingIntoAscii;
    }
    return Kind::Utf8;
}

Pattern::Pattern(const QString &text)
{
    if (text.isEmpty())
        return;
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        m_impossible = true;
        return;
    }
    for (const char32_t c : text.toUcs4())
        m_codes.push_back(fold(c));

    m_ascii = std::all_of(m_codes.begin(), m_codes.end(), [](char32_t c) { return c < 0x80; });
    for (const char32_t c : m_codes) {
        const std::vector<char32_t> cases = casesOf(c);
        if (c < 0x80 && std::any_of(cases.begin(), cases.end(), [](char32_t other) { return other >= 0x80; }))
            m_foldsFromOutside = true;
    }

    // Windows-1252: each character's byte, when the code page has one of
    // its cases.
    const SingleByteCases &single = singleByteCases();
    for (const char32_t c : m_codes) {
        const auto at = std::find(single.folded.begin(), single.folded.end(), c);
        if (at == single.folded.end()) {
            m_folded.clear();
            break;
        }
        m_folded.append(char(single.canonical[std::size_t(at - single.folded.begin())]));
    }
    if (!m_folded.isEmpty()) {
        const auto casesOfByte = [&single](unsigned char canonical, unsigned char (&cases)[2]) {
            cases[0] = cases[1] = canonical;
            // A folding has two bytes of the code page at most.
            for (int b = 0; b < 256; ++b) {
                if (single.canonical[b] == canonical && b != canonical)
                    cases[1] = static_cast<unsigned char>(b);
            }
        };
        casesOfByte(static_cast<unsigned char>(m_folded.front()), m_first);
        casesOfByte(static_cast<unsigned char>(m_folded.back()), m_last);
    }

    // UTF-8: the forms a match can begin with.
    for (const char32_t c : casesOf(m_codes.front())) {
        const QByteArray form = QString::fromUcs4(&c, 1).toUtf8();
        Encoded e;
        e.size = form.size();
        std::memcpy(e.bytes, form.constData(), std::size_t(e.size));
        m_starts.push_back(e);
    }
}

Pattern::Way Pattern::wayFor(Kind kind) const
{
    switch (kind) {
    case Kind::Windows1252:
        return m_folded.isEmpty() ? Way::None : Way::Bytes;
    case Kind::Utf8:
        // ASCII bytes in UTF-8 are ASCII characters, and no other
        // character of such a note folds into ASCII.
        return m_ascii ? Way::Bytes : Way::Utf8;
    case Kind::Utf8FoldingIntoAscii:
        return m_ascii && !m_foldsFromOutside ? Way::Bytes : Way::Utf8;
    }
    return Way::None;
}

qsizetype Pattern::find(const char *begin, const char *end, Way way) const
{
    if (m_codes.empty() || m_impossible)
        return -1;
    switch (way) {
    case Way::Bytes:
        return findBytes(begin, end);
    case Way::Utf8:
        return findUtf8(begin, end);
    case Way::None:
        break;
    }
    return -1;
}

// Candidates are the places where the first and the last byte both match,
// sixteen places at a time; the bytes between are compared only there.
qsizetype Pattern::findBytes(const char *begin, const char *end) const
{
    const qsizetype m = m_folded.size();
    if (m == 0 || end - begin < m)
        return -1;
    const auto *first = reinterpret_cast<const unsigned char *>(begin);
    if (m == 1) {
        const unsigned char *at = findEither(first, reinterpret_cast<const unsigned char *>(end), m_first[0],
                                             m_first[1]);
        return at ? at - first : -1;
    }
    const auto &canonical = singleByteCases().canonical;
    const auto *folded = reinterpret_cast<const unsigned char *>(m_folded.constData());
    const auto matchesInside = [&](const unsigned char *start) {
        for (qsizetype i = 1; i < m - 1; ++i) {
            if (canonical[start[i]] != folded[i])
                return false;
        }
        return true;
    };
    const unsigned char *p = first;
    const unsigned char *lastStart = reinterpret_cast<const unsigned char *>(end) - m;   // [p, lastStart]
#if defined(__SSE2__)
    const __m128i f0 = _mm_set1_epi8(char(m_first[0]));
    const __m128i f1 = _mm_set1_epi8(char(m_first[1]));
    const __m128i l0 = _mm_set1_epi8(char(m_last[0]));
    const __m128i l1 = _mm_set1_epi8(char(m_last[1]));
    for (; lastStart - p >= 15; p += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i z = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + m - 1));
        const __m128i both = _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(a, f0), _mm_cmpeq_epi8(a, f1)),
                                           _mm_or_si128(_mm_cmpeq_epi8(z, l0), _mm_cmpeq_epi8(z, l1)));
        for (unsigned mask = unsigned(_mm_movemask_epi8(both)); mask != 0; mask &= mask - 1) {
            const unsigned char *start = p + __builtin_ctz(mask);
            if (matchesInside(start))
                return start - first;
        }
    }
#endif
    for (; p <= lastStart; ++p) {
        if ((*p == m_first[0] || *p == m_first[1]) && (p[m - 1] == m_last[0] || p[m - 1] == m_last[1])
            && matchesInside(p))
            return p - first;
    }
    return -1;
}

bool Pattern::matchesUtf8At(const unsigned char *p, const unsigned char *end) const
{
    for (const char32_t want : m_codes) {
        if (p >= end || fold(nextCode(p, end)) != want)
            return false;
    }
    return true;
}

// Candidates are the places where the UTF-8 form of a case of the first
// character begins (its first three bytes at most), sixteen places at a
// time; the characters from there are folded and compared only there.
qsizetype Pattern::findUtf8(const char *begin, const char *end) const
{
    const auto *first = reinterpret_cast<const unsigned char *>(begin);
    const auto *stop = reinterpret_cast<const unsigned char *>(end);
    const unsigned char *p = first;
    const auto startsHere = [&](const unsigned char *at) {
        for (const Encoded &e : m_starts) {
            if (stop - at >= e.size && std::memcmp(at, e.bytes, std::size_t(e.size)) == 0)
                return true;
        }
        return false;
    };
#if defined(__SSE2__)
    for (; stop - p >= 18; p += 16) {
        const __m128i x0 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i x1 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 1));
        const __m128i x2 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 2));
        __m128i any = _mm_setzero_si128();
        for (const Encoded &e : m_starts) {
            __m128i here = _mm_cmpeq_epi8(x0, _mm_set1_epi8(char(e.bytes[0])));
            if (e.size > 1)
                here = _mm_and_si128(here, _mm_cmpeq_epi8(x1, _mm_set1_epi8(char(e.bytes[1]))));
            if (e.size > 2)
                here = _mm_and_si128(here, _mm_cmpeq_epi8(x2, _mm_set1_epi8(char(e.bytes[2]))));
            any = _mm_or_si128(any, here);
        }
        for (unsigned mask = unsigned(_mm_movemask_epi8(any)); mask != 0; mask &= mask - 1) {
            const unsigned char *start = p + __builtin_ctz(mask);
            if (matchesUtf8At(start, stop))
                return start - first;
        }
    }
#endif
    for (; p < stop; ++p) {
        if (startsHere(p) && matchesUtf8At(p, stop))
            return p - first;
    }
    return -1;
}

qsizetype Block::memory() const
{
    qsizetype bytes = qsizetype(sizeof(Block)) + text.capacity() + qsizetype(notes.capacity() * sizeof(KeptNote));
    for (const QString &error : errors)
        bytes += qsizetype(sizeof(QString)) + error.capacity() * 2;
    return bytes;
}

// The notes of the block in runs that are searched the same way, each run
// as one text: the line feed after each note ends every match within its
// note.
Batch findInBlock(const std::shared_ptr<const Block> &block, const Pattern &pattern)
{
    Batch batch{block, {}};
    if (pattern.isEmpty())
        return batch;
    const std::vector<KeptNote> &notes = block->notes;
    const char *text = block->text.constData();
    for (std::size_t i = 0; i < notes.size();) {
        if (notes[i].error >= 0) {
            batch.hits.push_back(Hit{quint32(i), 0});
            ++i;
            continue;
        }
        const Pattern::Way way = pattern.wayFor(notes[i].kind);
        std::size_t j = i + 1;
        while (j < notes.size() && notes[j].error < 0 && pattern.wayFor(notes[j].kind) == way)
            ++j;
        // [i, j): notes searched `way`.
        const char *end = text + notes[j - 1].offset + notes[j - 1].size;
        std::size_t k = i;   // the note of the last match
        for (const char *from = text + notes[i].offset; way != Pattern::Way::None && from < end;) {
            const qsizetype found = pattern.find(from, end, way);
            if (found < 0)
                break;
            const char *match = from + found;
            const qint64 offset = match - text;
            while (k + 1 < j && notes[k + 1].offset <= offset)
                ++k;
            batch.hits.push_back(Hit{quint32(k), quint32(offset - notes[k].offset)});
            // One hit a line: on after its end, the CR, LF or note's line feed.
            const auto *lineEnd = findEither(reinterpret_cast<const unsigned char *>(match),
                                             reinterpret_cast<const unsigned char *>(end), '\r', '\n');
            from = lineEnd ? reinterpret_cast<const char *>(lineEnd) : end;
        }
        i = j;
    }
    return batch;
}

void Results::append(const Batch &batch)
{
    if (batch.hits.empty())
        return;
    const auto index = quint32(m_blocks.size());
    m_blocks.push_back(batch.block);
    m_rows.reserve(m_rows.size() + batch.hits.size());
    for (const Hit &hit : batch.hits)
        m_rows.push_back(Row{index, hit});
}

void Results::clear()
{
    m_blocks.clear();
    m_rows.clear();
}

const KeptNote &Results::note(const Row &row) const
{
    return m_blocks[row.block]->notes[row.hit.note];
}

Date Results::date(qsizetype row) const
{
    return note(m_rows[std::size_t(row)]).date;
}

bool Results::isUnreadable(qsizetype row) const
{
    return note(m_rows[std::size_t(row)]).error >= 0;
}

QString Results::line(qsizetype row, qsizetype *column) const
{
    const Row &r = m_rows[std::size_t(row)];
    const Block &block = *m_blocks[r.block];
    const KeptNote &kept = block.notes[r.hit.note];
    if (column)
        *column = 0;
    if (kept.error >= 0)
        return block.errors[std::size_t(kept.error)];
    const char *note = block.text.constData() + kept.offset;
    const char *end = note + kept.size;
    const char *start = note + r.hit.match;
    while (start > note && start[-1] != '\r' && start[-1] != '\n')
        --start;
    const char *stop = note + r.hit.match;
    while (stop < end && *stop != '\r' && *stop != '\n')
        ++stop;
    if (kept.kind == Kind::Windows1252) {
        if (column)
            *column = note + r.hit.match - start;
        return codepage::toUnicode(QByteArrayView(start, stop - start));
    }
    if (column)
        *column = utf16Length(start, note + r.hit.match);
    return store::decode(QByteArrayView(start, stop - start), store::Encoding::Utf8);
}

qsizetype Results::position(qsizetype row) const
{
    const Row &r = m_rows[std::size_t(row)];
    const Block &block = *m_blocks[r.block];
    const KeptNote &kept = block.notes[r.hit.note];
    if (kept.error >= 0 || kept.kind == Kind::Windows1252)
        return r.hit.match;
    const char *note = block.text.constData() + kept.offset;
    return utf16Length(note, note + r.hit.match);
}

} // namespace notesearch
