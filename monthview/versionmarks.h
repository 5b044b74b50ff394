#pragma once

#include "celldate.h"
#include "store.h"
#include "versions.h"

#include <QObject>
#include <QSet>

#include <vector>

class QWidget;

namespace notesearch { class NoteWatch; }

namespace monthview {

class MonthGrid;

// The quiet marks of the dates that have another version: a conflict copy
// beside the note in data/. The copies come from one listing of data/,
// made once the window has been painted for the first time, on a thread of
// the pool, and kept current by the watch of data/: showing a month lists
// nothing. The same listing removes the temporary files that killed saves
// left (store::NoteStore::removeLeftovers), and then the versions beyond
// the newest 20 of each date go (store::pruneAllVersions): none of it
// belongs on the way to the window's first picture.
class VersionMarks : public QObject
{
    Q_OBJECT

public:
    VersionMarks(const store::NoteStore &notes, MonthGrid &grid, notesearch::NoteWatch *watch, QWidget *window);

    // Marks the cells the grid shows; nothing before the listing is done.
    void markCells();

    // The names of a date's copies, as the listing and the watch know them;
    // false while there is no listing yet.
    bool copiesOf(const NoteDate &date, std::vector<QByteArray> &names) const;

    // A copy deleted by the program itself.
    void copyGone(const QByteArray &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void list(bool firstTime);
    void listed(const store::ConflictCopies &copies);
    void copiesChanged(const QSet<QByteArray> &names, bool everything);
    bool exists(const QByteArray &name) const;

    store::NoteStore m_notes;
    MonthGrid &m_grid;
    store::ConflictCopies m_copies;
    QSet<QByteArray> m_changedMeanwhile;   // told of while a listing runs
    bool m_ready = false;
    bool m_listing = false;
};

} // namespace monthview
