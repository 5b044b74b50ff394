#include "noteediting.h"

#include "calendar.h"
#include "messages.h"
#include "monthgrid.h"
#include "notebox.h"
#include "notewatch.h"

#include <QThreadPool>
#include <QTimer>

namespace monthview {

NoteEditing::NoteEditing(const store::NoteStore &notes, MonthGrid &grid, Messages &messages, QObject *parent)
    : QObject(parent)
    , m_notes(notes)
    , m_grid(grid)
    , m_messages(messages)
    , m_unsaved(notes, [this](const QString &text) { m_messages.tell(text); }, grid.dateWords())
    , m_timer1(new QTimer(this))
{
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(65535);
    // A coarse timer would round the period to whole seconds.
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->start();

    // A box the user has not edited shows its note as it is on disk now.
    connect(&m_grid, &MonthGrid::focusArriving, this, [this](int index, Qt::FocusReason reason) {
        if (reason != Qt::PopupFocusReason)
            m_messages.guard([&] { refreshBox(index); });
    });
}

void NoteEditing::start(const QString &dataFolder, qint16 focusDay)
{
    FocusDay = focusDay;
    m_watch = new notesearch::NoteWatch(dataFolder, this);
    connect(m_watch, &notesearch::NoteWatch::changed, this, &NoteEditing::notesChangedOutside);
}

// A note that could not be saved shows as the user left it.
store::Note NoteEditing::noteOf(const NoteDate &date) const
{
    if (const QString *kept = m_unsaved.textOf(date))
        return store::Note{*kept, QString(), store::Stamp(), m_unsaved.encodingOf(date)};
    return m_notes.GetData(date.day, date.month, date.year);
}

void NoteEditing::refreshBox(int k)
{
    const NoteBox *box = m_grid.box(k);
    if (m_stopped || box->isEdited() || box->date().day == 0)
        return;
    m_grid.showNote(k, noteOf(box->date()), FocusIndex == k);
}

void NoteEditing::notesChangedOutside(const QSet<NoteDate> &dates, bool everything)
{
    for (int k = 1; k <= 35; ++k) {
        const NoteBox *box = m_grid.box(k);
        if (!box->isHidden() && (everything || dates.contains(box->date())))
            m_messages.guard([&] { refreshBox(k); });
    }
}

// ---------------------------------------------------------------- saving

bool NoteEditing::UpdateDay(qint16 Index, qint16 month, qint16 year)
{
    const qint16 day = m_grid.dayOf(Index, month, year);
    if (day == 0)
        return false;
    NoteBox *box = m_grid.box(Index);
    const NoteDate date{day, month, year};
    // A box holds the note of the date it shows and of no other; a file that
    // could not be read is never overwritten from its cell.
    if (box->date() != date || box->isUnreadable())
        return false;
    if (!box->isEdited())
        return true;

    return saveNote(box, box->noteText());
}

// The box being edited keeps the note it replaces as a version at its
// first save of the editing (and at the save of a restored text); any other
// box is saved once for each change dropped into it, and keeps one each time.
bool NoteEditing::saveNote(NoteBox *box, const QString &text)
{
    const bool editing = box->index() == FocusIndex;
    const UnsavedNotes::Outcome outcome =
        m_unsaved.save(box->date(), text, box->origin(), box->versionDue() || !editing);
    if (editing)
        box->setVersionDue(false);
    // Only the newest versions of a date stay; the others go off the way of
    // the next save.
    if (!outcome.keptVersion.isEmpty()) {
        QThreadPool::globalInstance()->start(
            [root = m_notes.root(), date = box->date()] { store::pruneVersions(root, date); });
    }
    // Saved or kept for a later try: either way the box now matches it.
    box->markSaved(text, outcome.stamp, outcome.encoding);
    // The first note of a fresh working folder made its notes folder.
    if (outcome.saved && m_watch && !m_watch->isWatching())
        m_watch->rewatch();
    if (!outcome.tell.isEmpty())
        m_messages.tell(outcome.tell);
    return outcome.saved;
}

void NoteEditing::saveEditedBoxes(MonthYear shown, bool keepFocusedDate)
{
    for (int k = 1; k <= 35; ++k) {
        NoteBox *box = m_grid.box(k);
        if (!box || !box->isEdited() || box->isUnreadable() || box->date().day == 0)
            continue;
        if (keepFocusedDate && k == FocusIndex
            && box->date()
                == NoteDate{m_grid.dayOf(static_cast<qint16>(k), shown.month, shown.year), shown.month,
                            shown.year})
            continue;
        saveNote(box, box->noteText());
    }
}

// ---------------------------------------------------------------- save points

void NoteEditing::entered(int Index, MonthYear shown)
{
    FocusIndex = static_cast<qint16>(Index);
    FocusDay = m_grid.dayOf(FocusIndex, shown.month, shown.year);
    m_grid.emphasise(Index, true);
    // Text dropped into another box since the last save point.
    saveEditedBoxes(shown, true);
}

void NoteEditing::left(int Index, MonthYear shown)
{
    // Save first, so that the note lands under the month still displayed.
    UpdateDay(static_cast<qint16>(Index), shown.month, shown.year);
    saveEditedBoxes(shown, false);
    m_unsaved.retry();
    FocusIndex = 0;
    FocusDay = 0;
    // The next editing of the box keeps a version again.
    m_grid.box(Index)->setVersionDue(true);
    m_grid.emphasise(Index, false);
    m_grid.box(Index)->showStart();
}

void NoteEditing::tick(MonthYear shown)
{
    if (FocusIndex != 0)
        UpdateDay(FocusIndex, shown.month, shown.year);
    // Boxes changed without the focus: text dropped into them.
    saveEditedBoxes(shown, false);
    m_unsaved.retry();
}

void NoteEditing::finish(MonthYear shown)
{
    // What an input method is still composing is part of the note, also
    // in a window that is not active.
    for (int k = 1; k <= 35; ++k) {
        if (NoteBox *box = m_grid.box(k); box && (box->hasFocus() || k == FocusIndex))
            box->commitComposition();
    }
    if (FocusIndex != 0)
        left(FocusIndex, shown);
    saveEditedBoxes(shown, false);
    m_unsaved.retry();
}

void NoteEditing::stop()
{
    m_stopped = true;
    m_timer1->stop();
}

} // namespace monthview
