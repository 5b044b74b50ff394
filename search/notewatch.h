#pragma once

#include "notedate.h"

#include <QObject>
#include <QSet>
#include <QString>

class QSocketNotifier;

namespace notesearch {

// Watches the notes folder for notes that others change: a sync tool, an
// editor, another machine. One kernel watch on the folder, so it costs
// nothing while nothing changes, and nothing per file in the folder; the
// names it reports are read from the kernel's events, never by listing the
// folder. A second watch on the folder above it sees the notes folder
// itself come, go or be replaced (a restore from a backup, a sync tool
// that renames folders), and the watch follows it. Changes that come in a
// burst are reported together, once the program's event loop runs again.
class NoteWatch : public QObject
{
    Q_OBJECT

public:
    // folder: the notes folder, data/ of the working folder. A folder that
    // does not exist yet is watched from its creation on.
    explicit NoteWatch(const QString &folder, QObject *parent = nullptr);
    ~NoteWatch() override;

    // Watches the folder now at the notes folder's path, when there is one.
    void rewatch();
    bool isWatching() const { return m_watch >= 0; }

signals:
    // Notes that were written, created, deleted or renamed; every date when
    // the notes folder itself came, went or was replaced, or the kernel
    // dropped events.
    void changed(const QSet<store::NoteDate> &dates, bool everything);
    // Conflict copies of notes (store::parseConflictName) that came, went or
    // changed, by their names; everything: as for changed().
    void copiesChanged(const QSet<QByteArray> &names, bool everything);

private:
    void readEvents();
    void report();
    bool watchesFolderAtPath() const;

    QByteArray m_folder;
    QByteArray m_parent;      // the folder that holds it
    QByteArray m_name;        // its name there: "data"
    int m_fd = -1;
    int m_watch = -1;         // of the notes folder; -1: none
    int m_parentWatch = -1;
    quint64 m_device = 0;     // of the folder m_watch watches
    quint64 m_inode = 0;
    QSocketNotifier *m_notifier = nullptr;
    QSet<store::NoteDate> m_pending;
    QSet<QByteArray> m_copies;
    bool m_everything = false;
    bool m_rewatch = false;   // the notes folder went or moved: watch what stands at its path now
    bool m_reportQueued = false;
};

} // namespace notesearch
