#include "leftoversweep.h"

#include <QEvent>
#include <QThreadPool>
#include <QWidget>

namespace monthview {

LeftoverSweep::LeftoverSweep(const store::NoteStore &notes, QWidget *window)
    : QObject(window)
    , m_notes(notes)
{
    window->installEventFilter(this);
}

bool LeftoverSweep::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QThreadPool::globalInstance()->start([notes = m_notes] { notes.removeLeftovers(); });
        deleteLater();
    }
    return false;
}

} // namespace monthview
