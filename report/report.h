#pragma once

#include "datecaptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

namespace store { class NoteStore; }

// The month report: a printable HTML page of the displayed month's notes,
// written to temp/report-<32 capital letters>.htm and handed to the viewer.
namespace report {

// A random integer in Low ... High from a draw 0 <= r < 1: the draw times
// High - Low + 1 in double precision, rounded down, plus Low.
qint32 Rand(const std::function<float()> &nextRandom, qint32 Low, qint32 High);

// The page's bytes: "<html><head></head><body>", then for every day of the
// month with a note a heading ("<hr><b>5-March-2004 Friday</b><br>", the
// day's calendar::DayHeading in `words`) and the escaped note, then
// "</body></html>".
// The page is in Windows-1252, one byte a character: a character it lacks,
// in a note or in the month's name, is written after the escaping as a
// decimal character reference ("&#321;"). noteBytes(day) gives a note file's
// bytes as stored, which the store's rule reads as Windows-1252 or UTF-8;
// empty means "no note" and leaves the day out. It is asked once per day of
// the month, in ascending order.
QByteArray BuildPage(qint16 month, qint16 year,
                     const std::function<QByteArray(qint16 day)> &noteBytes,
                     const calendar::DateWords &words = calendar::StandardWords());

struct Written {
    QString path;    // absolute path of the page when written
    QString error;   // what went wrong, for the user; empty on success
};

// Writes the page of the month under a fresh name in <workingFolder>/temp,
// creating temp/ when it is missing. The page is created new: a file or link
// that already has the drawn name is left alone and another name is drawn.
// A note that exists but cannot be read stops the report (no page is
// written), and so does a page that cannot be written; error then says which
// file and why. A temp/ that is a symbolic link is never followed: no page.
Written WriteReport(const QString &workingFolder, qint16 month, qint16 year,
                    const store::NoteStore &notes, const std::function<float()> &nextRandom,
                    const calendar::DateWords &words = calendar::StandardWords());

// Deletes every temp/report-*.htm and nothing else (nothing at all when
// temp/ is a symbolic link); returns one message per page that could not be
// deleted.
QStringList DeleteReports(const QString &workingFolder);

} // namespace report
