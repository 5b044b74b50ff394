#include "versionmarks.h"

#include "monthgrid.h"
#include "notewatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QThreadPool>
#include <QWidget>

#include <sys/stat.h>

namespace monthview {

VersionMarks::VersionMarks(const store::NoteStore &notes, MonthGrid &grid, notesearch::NoteWatch *watch,
                           QWidget *window)
    : QObject(window)
    , m_notes(notes)
    , m_grid(grid)
{
    if (watch)
        connect(watch, &notesearch::NoteWatch::copiesChanged, this, &VersionMarks::copiesChanged);
    window->installEventFilter(this);
}

bool VersionMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        list(true);
    }
    return false;
}

// The listing's result comes back to this thread, and only while the marks
// still exist.
void VersionMarks::list(bool firstTime)
{
    m_listing = true;
    m_changedMeanwhile.clear();
    QThreadPool::globalInstance()->start([notes = m_notes, self = QPointer<VersionMarks>(this), firstTime] {
        store::ConflictCopies copies;
        notes.removeLeftovers(&copies);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [self, copies] {
                if (self)
                    self->listed(copies);
            },
            Qt::QueuedConnection);
        if (firstTime)
            store::pruneAllVersions(notes.root());
    });
}

void VersionMarks::listed(const store::ConflictCopies &copies)
{
    m_copies = copies;
    for (const QByteArray &name : std::as_const(m_changedMeanwhile))
        m_copies.set(name, exists(name));
    m_changedMeanwhile.clear();
    m_listing = false;
    m_ready = true;
    markCells();
}

void VersionMarks::copiesChanged(const QSet<QByteArray> &names, bool everything)
{
    if (everything) {
        list(false);
        return;
    }
    for (const QByteArray &name : names) {
        m_copies.set(name, exists(name));
        if (m_listing)
            m_changedMeanwhile.insert(name);
    }
    markCells();
}

bool VersionMarks::exists(const QByteArray &name) const
{
    struct stat st;
    const QByteArray root = m_notes.root().isEmpty() ? QByteArray(".") : QFile::encodeName(m_notes.root());
    return ::lstat((root + "/data/" + name).constData(), &st) == 0;
}

void VersionMarks::copyGone(const QByteArray &name)
{
    m_copies.set(name, false);
    if (m_listing)
        m_changedMeanwhile.insert(name);
    markCells();
}

void VersionMarks::markCells()
{
    if (m_ready)
        m_grid.markVersions([this](const NoteDate &date) { return m_copies.has(date); });
}

bool VersionMarks::copiesOf(const NoteDate &date, std::vector<QByteArray> &names) const
{
    if (!m_ready)
        return false;
    names = m_copies.namesOf(date);
    return true;
}

} // namespace monthview
