#pragma once

#include "celldate.h"
#include "navigation.h"
#include "store.h"
#include "unsavednotes.h"

#include <QObject>
#include <QSet>
#include <QString>

class QTimer;

namespace notesearch { class NoteWatch; }

namespace monthview {

class Messages;
class MonthGrid;
class NoteBox;

// The editing of the notes in the month grid: when the boxes' notes go to
// disk, what happens to a note that could not be saved, and which notes are
// read again. A note is saved at its save points: when its box loses the
// focus, on every tick of Timer1, before the grid shows other dates and
// before the window closes. A box the user has not edited shows its note as
// it is on disk: it is read again when the focus comes to the box, and when
// the watch on the notes folder reports a change.
//
// `shown` is always the month the grid displays.
class NoteEditing : public QObject
{
    Q_OBJECT

public:
    // Timer1 runs from here on.
    NoteEditing(const store::NoteStore &notes, MonthGrid &grid, Messages &messages, QObject *parent);

    // Start-up: the watch on the notes folder, and FocusDay's first value.
    void start(const QString &dataFolder, qint16 focusDay);

    QTimer *timer() const { return m_timer1; }
    notesearch::NoteWatch *watch() const { return m_watch; }   // nullptr before start
    const UnsavedNotes &unsaved() const { return m_unsaved; }

    qint16 focusIndex() const { return FocusIndex; }   // cell being edited; 0: none
    qint16 focusDay() const { return FocusDay; }

    // A note as the grid shows it: the kept text of a note that could not be
    // saved, else the note on disk.
    store::Note noteOf(const NoteDate &date) const;

    // See Form1::UpdateDay.
    bool UpdateDay(qint16 Index, qint16 month, qint16 year);

    // Saves every box that was edited, under the date it shows. With
    // keepFocusedDate, the box being edited is left alone while it goes on
    // showing the same date of `shown`: it keeps its text and is saved at its
    // own save points.
    void saveEditedBoxes(MonthYear shown, bool keepFocusedDate);

    // Tries the notes that could not be saved again.
    void retry() { m_unsaved.retry(); }

    // The save points: the focus comes to box Index or leaves it, Timer1
    // ticks. Each saves what was edited since the last one.
    void entered(int Index, MonthYear shown);
    void left(int Index, MonthYear shown);
    void tick(MonthYear shown);

    // The last save point before the window closes: what an input method is
    // still composing goes into its note, the box being edited is left, and
    // every edited box is saved.
    void finish(MonthYear shown);

    // The run is over: Timer1 stops, and nothing is read again.
    void stop();

private:
    bool saveNote(NoteBox *box, const QString &text);
    void refreshBox(int k);
    void notesChangedOutside(const QSet<NoteDate> &dates, bool everything);

    const store::NoteStore &m_notes;
    MonthGrid &m_grid;
    Messages &m_messages;
    UnsavedNotes m_unsaved;
    QTimer *m_timer1;
    notesearch::NoteWatch *m_watch = nullptr;
    qint16 FocusIndex = 0;   // cell whose note box has the focus; 0: none
    qint16 FocusDay = 0;     // day shown in that cell; 0: none
    bool m_stopped = false;
};

} // namespace monthview
