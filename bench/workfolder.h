#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

// Working folders for the benchmark, written with plain system calls so that
// even 50,000 notes take a second or two: data/ and temp/ under a root, note
// files named as the store names them.
namespace bench {

// A note of exactly `size` bytes that looks typed: words of Windows-1252
// letters (a few accented), lines of up to about 60 characters separated by
// CR LF, no line break at the end. Different seeds give different texts.
QByteArray noteText(int size, unsigned seed);

// The same in UTF-8, `size` bytes without a mark: Russian words (script 0)
// or Japanese ones (script 1) with a few Latin ones among them, "dentist"
// as often as in noteText.
QByteArray noteTextUtf8(int size, unsigned seed, int script);

// Creates root/data and root/temp. Empty on success, else what failed.
QString makeWorkingFolder(const QString &root);

// Writes the note file of one date, replacing any earlier one.
QString writeNote(const QString &root, QDate date, const QByteArray &bytes);

// A note of `size` bytes on every day of the month.
QString writeMonth(const QString &root, int month, int year, int size);

// `count` notes of 40 ... 600 bytes on consecutive days from 1 January 1880
// on, passing over the months listed in `skip` (as QDate(year, month, 1)),
// so that the notes of the measured months stay as they are. With
// quarterUtf8, every fourth note is UTF-8, Russian and Japanese in turns,
// every fourth of those with the mark (its three bytes counted in the size).
QString writeOtherNotes(const QString &root, int count, const std::vector<QDate> &skip, bool quarterUtf8 = false);

// Absolute paths of the note files of the month's days, in day order.
std::vector<QByteArray> monthPaths(const QString &root, int month, int year);

} // namespace bench
