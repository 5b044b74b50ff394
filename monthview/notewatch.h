#pragma once

#include "celldate.h"

#include <QObject>
#include <QSet>
#include <QString>

class QSocketNotifier;

namespace monthview {

// Watches the notes folder for notes that others change: a sync tool, an
// editor, another machine. One kernel watch on the folder, so it costs
// nothing while nothing changes, and nothing per file in the folder; the
// names it reports are read from the kernel's events, never by listing the
// folder. Changes that come in a burst are reported together, once the
// program's event loop runs again.
class NoteWatch : public QObject
{
    Q_OBJECT

public:
    // folder: the notes folder, data/ of the working folder. A folder that
    // does not exist yet is watched from the first note on (see rewatch).
    explicit NoteWatch(const QString &folder, QObject *parent = nullptr);
    ~NoteWatch() override;

    // Watches again, for a notes folder that was created or replaced.
    void rewatch();
    bool isWatching() const { return m_watch >= 0; }

    // The date a note file's name stands for ("2006-03-14.txt"); day 0 for
    // any other name.
    static NoteDate dateOfName(const QByteArray &name);

signals:
    // Notes that were written, created, deleted or renamed; every date when
    // the folder itself went or the kernel dropped events.
    void changed(const QSet<monthview::NoteDate> &dates, bool everything);

private:
    void readEvents();
    void report();

    QByteArray m_folder;
    int m_fd = -1;
    int m_watch = -1;
    QSocketNotifier *m_notifier = nullptr;
    QSet<NoteDate> m_pending;
    bool m_everything = false;
    bool m_reportQueued = false;
};


} // namespace monthview
