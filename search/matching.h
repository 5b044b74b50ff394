#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "notedate.h"

#include <array>
#include <compare>
#include <memory>
#include <tuple>
#include <vector>

// Notes as the search keeps them, and matching text in them: pure, without
// files or threads.
namespace notesearch {

using Date = store::NoteDate;

// What is looked for: text of the notes' code page (Windows-1252), matched
// without regard to case ("é" finds "É") and within one line: no match
// runs across a line break.
class Pattern
{
public:
    explicit Pattern(const QString &text);

    // Nothing to look for.
    bool isEmpty() const { return m_folded.isEmpty() && !m_impossible; }
    // A character the notes cannot hold, or a line break: nothing matches.
    bool isImpossible() const { return m_impossible; }

    // Offset of the first match in [begin, end), or -1.
    qsizetype find(const char *begin, const char *end) const;

    // The byte that each byte of the code page stands for when case does
    // not count.
    static const std::array<unsigned char, 256> &foldTable();

private:
    QByteArray m_folded;          // the text's bytes in the code page, folded
    // The bytes that fold to the first and to the last byte of m_folded;
    // the same twice for a byte without another case.
    unsigned char m_first[2] = {};
    unsigned char m_last[2] = {};
    bool m_impossible = false;
};

// One note as kept: where its bytes lie in its block's text, or why it
// could not be read. A block's text may pass 4 GiB (notes of up to 4 MiB
// each, and the changed ones that join it), a note's own bytes never do.
struct KeptNote {
    qint64 offset = 0;
    quint32 size = 0;
    qint32 error = -1;    // index into Block::errors; -1: read
    Date date;
};

// Notes of consecutive dates, newest first; each note's bytes in `text`
// followed by a line feed, so that no match runs from one into the next.
struct Block {
    QByteArray text;
    std::vector<KeptNote> notes;
    std::vector<QString> errors;   // "Cannot read data/2006-03-14.txt: Is a directory"

    Date newest() const { return notes.empty() ? Date{} : notes.front().date; }
    Date oldest() const { return notes.empty() ? Date{} : notes.back().date; }
    qsizetype memory() const;
};

// A line that matches: where its first match starts, in the note's own
// bytes, which are its characters (CR LF counts as two).
struct Hit {
    quint32 note = 0;        // index into Block::notes
    quint32 match = 0;
};

// The hits of one block, in order: every line that matches, and every note
// that could not be read.
struct Batch {
    std::shared_ptr<const Block> block;
    std::vector<Hit> hits;
};

Batch findInBlock(const std::shared_ptr<const Block> &block, const Pattern &pattern);

// The hits of a search, newest note first and in each note line after line.
class Results
{
public:
    void append(const Batch &batch);
    void clear();

    qsizetype size() const { return qsizetype(m_rows.size()); }
    Date date(qsizetype row) const;
    bool isUnreadable(qsizetype row) const;
    // The line that matches, or why the note could not be read; column:
    // where the match starts in it.
    QString line(qsizetype row, qsizetype *column = nullptr) const;
    // Where the match starts in the note's text; 0 for a note that could
    // not be read.
    qsizetype position(qsizetype row) const;

private:
    struct Row {
        quint32 block;
        Hit hit;
    };
    const KeptNote &note(const Row &row) const;

    std::vector<std::shared_ptr<const Block>> m_blocks;
    std::vector<Row> m_rows;
};

} // namespace notesearch
