#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "encoding.h"
#include "notedate.h"

#include <array>
#include <compare>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

// Notes as the search keeps them, and matching text in them: pure, without
// files or threads.
namespace notesearch {

using Date = store::NoteDate;

// How a kept note's bytes hold its text: as the store read the file, one
// byte a character in Windows-1252 or UTF-8 (its mark left out), and for
// UTF-8 whether it holds a character outside ASCII whose case folds into
// ASCII ("ſ" into "s", the Kelvin sign into "k"), which a search of ASCII
// letters must look at character by character.
enum class Kind : quint8 {
    Windows1252,
    Utf8,
    Utf8FoldingIntoAscii,
};

// The kind of a note's text bytes (without the mark) read as `encoding`.
Kind kindOf(QByteArrayView text, store::Encoding encoding);

// What is looked for, matched without regard to case and within one line:
// no match runs across a line break. Case does not count in any script: a
// character matches every character of the same simple Unicode case
// folding ("é" finds "É", "σ" finds "Σ" and "ς"); a folding into more
// characters does not count ("strasse" does not find "Straße").
class Pattern
{
public:
    explicit Pattern(const QString &text);

    // Nothing to look for.
    bool isEmpty() const { return m_codes.empty() && !m_impossible; }
    // A line break: nothing matches.
    bool isImpossible() const { return m_impossible; }

    // How notes of a kind are searched: not at all (none of their
    // characters could match), byte by byte in Windows-1252 (also for UTF-8
    // when only ASCII can match), or character by character in UTF-8.
    enum class Way : quint8 { None, Bytes, Utf8 };
    Way wayFor(Kind kind) const;

    // Offset of the first match in [begin, end), searched the given way, or
    // -1.
    qsizetype find(const char *begin, const char *end, Way way) const;

private:
    qsizetype findBytes(const char *begin, const char *end) const;
    qsizetype findUtf8(const char *begin, const char *end) const;
    bool matchesUtf8At(const unsigned char *p, const unsigned char *end) const;

    std::u32string m_codes;       // the text's characters, case folded
    bool m_impossible = false;

    // In Windows-1252: the text's bytes, each the byte that stands for its
    // case, and the bytes of either case of the first and the last.
    QByteArray m_folded;          // empty when the code page cannot match
    unsigned char m_first[2] = {};
    unsigned char m_last[2] = {};
    bool m_ascii = false;         // every character folded is ASCII
    bool m_foldsFromOutside = false;   // one of them has a case outside ASCII

    // In UTF-8: the bytes of every character that folds to the first one.
    struct Encoded {
        unsigned char bytes[4] = {};
        qsizetype size = 0;
    };
    std::vector<Encoded> m_starts;
};

// One note as kept: where its bytes lie in its block's text, or why it
// could not be read. A block's text may pass 4 GiB (notes of up to 4 MiB
// each, and the changed ones that join it), a note's own bytes never do.
struct KeptNote {
    qint64 offset = 0;
    quint32 size = 0;
    qint32 error = -1;    // index into Block::errors; -1: read
    Date date;
    Kind kind = Kind::Windows1252;
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
// bytes.
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
    // Where the match starts in the note's text, in UTF-16 code units (CR
    // LF counts as two); 0 for a note that could not be read.
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
