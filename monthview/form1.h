#pragma once

#include "celldate.h"
#include "navigation.h"
#include "notewatch.h"
#include "platform.h"
#include "store.h"
#include "topbar.h"
#include "windowlist.h"

#include <QDate>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace monthview {
class FindWindow;
class Messages;
class MonthGrid;
class NoteEditing;
class VersionMarks;
class VersionsWindow;
}

// The month view: a month as 5 x 7 day cells, each a note box Text1(k) with
// its day-number button Command4(k) on the top-right corner, under a top bar
// of navigation, zoom, "Print" and "About" buttons. Notes are saved when a
// box loses the focus, on every tick of Timer1 and when the window closes.
//
// The window puts its parts together: the top bar, the grid of cells
// (monthview::MonthGrid), the editing of the notes with their save points
// (monthview::NoteEditing), the keys, the names for screen readers and the
// find window. Its handlers are each a call into the parts.
//
// Every control carries its name as objectName: "Command1", "Label1",
// "Text1_14", "Command4_3", "Label3_5", "Timer1".
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up, before the window is first shown: the first start's
    // greeting, the view state of today's month, the grid. Renders nothing.
    void Form_Load();

    // Fits the top bar and the grid to the window's client area and renders
    // the month.
    void Form_Resize();

    // Saves the note being edited, deletes the report pages and closes the
    // program's other windows. False when a note could still not be saved
    // and the user chose to keep the window open. What went wrong on the way
    // is told before it returns.
    bool Form_Unload();

    // The shutdown of a signal or of the end of the session: Form_Unload,
    // then the window closes. mayInteract is asked, at most once, when the
    // user would be asked or told something: true lets Form_Unload ask and
    // tell as closing does; false gives unsaved notes up without a question
    // and writes what the user would have been told to stderr. False: the
    // user chose to keep the program running.
    bool endSession(const std::function<bool()> &mayInteract);

    // Form_Load has built the grid; the window can be shown.
    bool isLoaded() const { return m_loaded; }
    // The shutdown has run: the run is over, whatever asked for it.
    bool hasEnded() const { return m_unloaded; }

    // Puts a month into the grid and makes it the displayed one: hides the
    // cells without a day, fills the others with day number, note and
    // colour, and writes the title.
    void ShowMonth(qint16 month, qint16 year);

    // Writes the text of note box Index as the note of its day of month/year,
    // or deletes that note when the box is empty, if the user edited the box
    // since it was filled: an untouched box never writes, so a note changed
    // by others stays as they left it. False when an edit could not be
    // written: the cell shows no such day, its file could not be read, or
    // the store failed (the text is then kept until a later save works).
    bool UpdateDay(qint16 Index, qint16 month, qint16 year);

    void Text1_GotFocus(int Index);
    void Text1_LostFocus(int Index);
    void Timer1_Timer();

    void Command1_Click();    // "Next Month >"
    void Command2_Click();    // "< Prev Month"
    void Command3_Click();    // "Print"
    void Command7_Click();    // "+"
    void Command8_Click();    // "-"
    void Command9_Click();    // "About"
    void Command10_Click();   // "< Yr"
    void Command11_Click();   // "Yr >"

    // Today's month, with the keyboard focus in today's note box and the
    // text cursor at the end of its note (Alt+Home). The note being typed
    // is saved first.
    void goToToday();

    WindowList &windows() { return m_windows; }
    const store::NoteStore &notes() const { return m_notes; }
    notesearch::NoteWatch *noteWatch() const;   // nullptr before Form_Load

    // View state.
    QDate today() const { return m_platform.today; }   // the start-up date
    const Platform &platform() const { return m_platform; }
    qint16 displayedMonth() const { return M; }
    qint16 displayedYear() const { return y; }
    qint16 focusIndex() const;   // cell being edited; 0: none
    qint16 focusDay() const;

    // Controls; nullptr for a member of an array that does not exist (yet).
    QLabel *Label1() const { return m_topBar.title(); }
    QLabel *Label3(int k) const;
    QPlainTextEdit *Text1(int k) const;
    QPushButton *Command4(int k) const;
    QTimer *Timer1() const;

    // Dates whose note could not be saved yet, with the reason; their text
    // is kept and shown in their cell until a save works.
    QStringList unsavedNotes() const;

signals:
    // The shutdown has run; the program is about to end.
    void unloaded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    monthview::MonthYear shown() const { return {M, y}; }
    void showMonthOf(monthview::MonthYear month) { ShowMonth(month.month, month.year); }
    void installKeys();
    void pressKey(QPushButton *button, monthview::design::KeyFocus focus);
    void goToNote(const monthview::NoteDate &date, qsizetype position);
    void find();
    void openVersions(int index);

    void noteFocusIn(int index, Qt::FocusReason reason);
    void noteFocusOut(int index, Qt::FocusReason reason);

    // What the layout pass reads from the controls.
    monthview::LayoutSizes layoutSizes() const;
    bool unload(const std::function<bool()> &mayInteract);
    void tellUser(const QString &text);

    Platform m_platform;
    store::NoteStore m_notes;
    WindowList m_windows;
    monthview::Messages *m_messages;    // told to the user, a turn of the event loop later
    monthview::TopBar m_topBar;
    monthview::MonthGrid *m_grid = nullptr;
    monthview::NoteEditing *m_editing = nullptr;
    monthview::FindWindow *m_find = nullptr;   // made at the first Ctrl+F
    monthview::VersionMarks *m_marks = nullptr;

    // The displayed month. Zero until Form_Load sets it.
    qint16 M = 0;               // 1 ... 12
    qint16 y = 0;

    bool m_loaded = false;      // Form_Load created the grid
    bool m_unloaded = false;
};
