#include "matching.h"

#include "codepage.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace notesearch {

namespace {

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

} // namespace

const std::array<unsigned char, 256> &Pattern::foldTable()
{
    // Each letter of the code page to its lower case, where that is in the
    // code page too (Š to š, Ÿ to ÿ, É to é).
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = codepage::toUnicode(QByteArrayView(&byte, 1));
            const QString lower = c.toLower();
            const QByteArray back = codepage::fromUnicode(lower);
            const bool held = back.size() == 1 && codepage::toUnicode(back) == lower;
            t[b] = held ? static_cast<unsigned char>(back[0]) : static_cast<unsigned char>(b);
        }
        return t;
    }();
    return table;
}

Pattern::Pattern(const QString &text)
{
    if (text.isEmpty())
        return;
    const QByteArray bytes = codepage::fromUnicode(text);
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || codepage::toUnicode(bytes) != text) {
        m_impossible = true;
        return;
    }
    const auto &fold = foldTable();
    m_folded.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        m_folded[i] = char(fold[static_cast<unsigned char>(bytes[i])]);
    const auto casesOf = [&fold](unsigned char folded, unsigned char (&cases)[2]) {
        cases[0] = cases[1] = folded;
        // Every letter of the code page has one other case at most.
        for (int b = 0; b < 256; ++b) {
            if (fold[b] == folded && b != folded)
                cases[1] = static_cast<unsigned char>(b);
        }
    };
    casesOf(static_cast<unsigned char>(m_folded.front()), m_first);
    casesOf(static_cast<unsigned char>(m_folded.back()), m_last);
}

// Candidates are the places where the first and the last byte both match,
// sixteen places at a time; the bytes between are compared only there.
qsizetype Pattern::find(const char *begin, const char *end) const
{
    const qsizetype m = m_folded.size();
    if (m == 0 || m_impossible || end - begin < m)
        return -1;
    const auto *first = reinterpret_cast<const unsigned char *>(begin);
    if (m == 1) {
        const unsigned char *at = findEither(first, reinterpret_cast<const unsigned char *>(end), m_first[0],
                                             m_first[1]);
        return at ? at - first : -1;
    }
    const auto &fold = foldTable();
    const auto *folded = reinterpret_cast<const unsigned char *>(m_folded.constData());
    const auto matchesInside = [&](const unsigned char *start) {
        for (qsizetype i = 1; i < m - 1; ++i) {
            if (fold[start[i]] != folded[i])
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

qsizetype Block::memory() const
{
    qsizetype bytes = qsizetype(sizeof(Block)) + text.capacity() + qsizetype(notes.capacity() * sizeof(KeptNote));
    for (const QString &error : errors)
        bytes += qsizetype(sizeof(QString)) + error.capacity() * 2;
    return bytes;
}

// The whole text of the block at once: the line feed after each note ends
// every match within its note.
Batch findInBlock(const std::shared_ptr<const Block> &block, const Pattern &pattern)
{
    Batch batch{block, {}};
    if (pattern.isEmpty())
        return batch;
    const std::vector<KeptNote> &notes = block->notes;
    const char *text = block->text.constData();
    const char *end = text + block->text.size();
    std::size_t next = 0;   // notes before it are passed by
    const auto passTo = [&](std::size_t k) {
        for (; next < k; ++next) {
            if (notes[next].error >= 0)
                batch.hits.push_back(Hit{quint32(next), 0});
        }
    };
    std::size_t k = 0;      // the note of the last match
    for (const char *from = text; from < end;) {
        const qsizetype found = pattern.find(from, end);
        if (found < 0)
            break;
        const char *match = from + found;
        const qint64 offset = match - text;
        while (k + 1 < notes.size() && notes[k + 1].offset <= offset)
            ++k;
        passTo(k);
        batch.hits.push_back(Hit{quint32(k), quint32(offset - notes[k].offset)});
        // One hit a line: on after its end, the CR, LF or note's line feed.
        const auto *lineEnd = findEither(reinterpret_cast<const unsigned char *>(match),
                                         reinterpret_cast<const unsigned char *>(end), '\r', '\n');
        from = lineEnd ? reinterpret_cast<const char *>(lineEnd) : end;
    }
    passTo(notes.size());
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
    if (column)
        *column = note + r.hit.match - start;
    return codepage::toUnicode(QByteArrayView(start, stop - start));
}

qsizetype Results::position(qsizetype row) const
{
    return m_rows[std::size_t(row)].hit.match;
}

} // namespace notesearch
