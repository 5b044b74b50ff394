#pragma once

#include "store.h"

#include <QObject>

class QWidget;

namespace monthview {

// Removes the temporary files that killed saves left in the notes folder
// (see store::NoteStore::removeLeftovers) once the window has been painted
// for the first time, on a thread of the pool: listing a folder of 50,000
// notes takes tens of milliseconds, none of which belongs on the way to the
// window's first picture.
class LeftoverSweep : public QObject
{
public:
    LeftoverSweep(const store::NoteStore &notes, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    store::NoteStore m_notes;
};

} // namespace monthview
