#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

namespace store { class NoteStore; }

// The month report: a printable HTML page of the displayed month's notes,
// written to temp/report-<32 capital letters>.htm and handed to the viewer.
namespace report {

// A random integer in Low ... High from a draw 0 <= r < 1.
qint32 Rand(const std::function<float()> &nextRandom, qint32 Low, qint32 High);

struct Written {
    QString path;    // absolute path of the page when written
    QString error;   // what went wrong, for the user; empty on success
};

// Writes the page of the month under a fresh name in <workingFolder>/temp.
Written WriteReport(const QString &workingFolder, qint16 month, qint16 year,
                    const store::NoteStore &notes, const std::function<float()> &nextRandom);

// Deletes every temp/report-*.htm and nothing else; returns one message per
// page that could not be deleted.
QStringList DeleteReports(const QString &workingFolder);

} // namespace report
