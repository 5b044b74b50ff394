#pragma once

// What the test programs share: files written and read whole, and the
// surroundings the windows are given, fixed and recorded.

#include "platform.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>

namespace testsupport {

// Makes `path` a file that holds exactly `bytes`; false when any of them
// did not reach the file.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

// The bytes of the file at `path`, "<no file>" when there is none to read.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

// A file of `size` zeros that takes no room on the disk.
inline bool makeSparse(const QString &path, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.resize(size);
}

// What the program asked of its surroundings.
// How many new files in a watched folder overflow the kernel's queue of
// folder events (two events a file: created, then written and closed, none
// read before the event loop runs); 0 where the queue is too long to
// overflow cheaply.
inline int filesThatOverflowTheWatch()
{
    QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    if (!limit.open(QIODevice::ReadOnly))
        return 0;
    const int files = limit.readAll().trimmed().toInt() / 2 + 10;
    return files > 100000 ? 0 : files;
}

struct Recorder {
    QStringList messages;    // "title|text"
    QStringList questions;
    bool answer = true;      // to "close without saving?"
    int seeds = 0;
    QStringList opened;      // pages handed to the viewer
    QString viewerFails;     // the viewer's reason to fail; empty: it works
};

// Surroundings with a fixed today and working folder that tell `rec` all
// they are asked, which must outlive them. The random draws run through the
// letters, so that each report gets a name of its own.
inline Platform fakePlatform(const QDate &today, const QString &folder, Recorder &rec)
{
    Platform p;
    p.today = today;
    p.workingFolder = folder;
    Recorder *r = &rec;
    p.seedRandom = [r] { ++r->seeds; };
    auto draws = std::make_shared<int>(0);
    p.nextRandom = [draws] { return float((*draws)++ % 26) / 26.0f + 0.01f; };
    p.openInViewer = [r](const QString &path, const Platform::ViewerFailed &failed) {
        r->opened << path;
        if (!r->viewerFails.isEmpty())
            failed(r->viewerFails);
    };
    p.showMessage = [r](QWidget *, const QString &title, const QString &text) {
        r->messages << title + QLatin1Char('|') + text;
    };
    p.confirm = [r](QWidget *, const QString &, const QString &text) {
        r->questions << text;
        return r->answer;
    };
    return p;
}

} // namespace testsupport
