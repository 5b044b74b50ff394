#pragma once

#include "messages.h"
#include "monthlayout.h"
#include "navigation.h"
#include "notebox.h"
#include "celldate.h"
#include "notewatch.h"
#include "platform.h"
#include "store.h"
#include "unsavednotes.h"
#include "windowlist.h"

#include <QDate>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <array>
#include <exception>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
namespace monthview { class ScreenReaderNames; }

// The month view: a month as 5 x 7 day cells, each a note box Text1(k) with
// its day-number button Command4(k) on the top-right corner, under a top bar
// of navigation, zoom, "Print" and "About" buttons. Notes are saved when a
// box loses the focus, on every tick of Timer1 and when the window closes.
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

    // Fits the grid to the window's outer size and renders the month.
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

    WindowList &windows() { return m_windows; }
    const store::NoteStore &notes() const { return m_notes; }
    notesearch::NoteWatch *noteWatch() const { return m_watch; }   // nullptr before Form_Load

    // View state.
    QDate today() const { return m_today; }             // the start-up date
    qint16 displayedMonth() const { return M; }
    qint16 displayedYear() const { return y; }
    qint16 focusIndex() const { return FocusIndex; }   // cell being edited; 0: none
    qint16 focusDay() const { return FocusDay; }

    // Controls of the arrays; nullptr for a member that does not exist (yet).
    QLabel *Label1() const { return m_label1; }
    QLabel *Label3(int k) const;
    QPlainTextEdit *Text1(int k) const;
    QPushButton *Command4(int k) const;
    QTimer *Timer1() const { return m_timer1; }

    // Dates whose note could not be saved yet, with the reason; their text
    // is kept and shown in their cell until a save works.
    QStringList unsavedNotes() const { return m_unsaved.list(); }

signals:
    // The shutdown has run; the program is about to end.
    void unloaded();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDesign();
    QPushButton *addButton(const QString &name, const QString &caption, int leftTwips, int widthTwips);
    void createHeadings();
    void createNoteBoxes();

    monthview::LayoutSizes currentSizes() const;
    void applyLayout(const monthview::Layout &layout);
    void layoutIfOuterSizeChanged();

    store::Note noteOf(const monthview::NoteDate &date) const;
    void refreshBox(int k);
    void notesChangedOutside(const QSet<monthview::NoteDate> &dates, bool everything);
    void saveEditedBoxes(qint16 month, qint16 year, bool keepFocusedDate);
    bool saveNote(monthview::NoteBox *box, const QString &text);
    void setDayEmphasis(int k, bool emphasised);
    void zoomNotes(int points);
    void showMonthOf(monthview::MonthYear shown);

    void noteFocusIn(int index, Qt::FocusReason reason);
    void noteFocusOut(int index, Qt::FocusReason reason);

    bool unload(const std::function<bool()> &mayInteract);

    void tellUser(const QString &text);

    template <typename Handler>
    void guarded(Handler &&handler) noexcept;

    Platform m_platform;
    store::NoteStore m_notes;
    monthview::UnsavedNotes m_unsaved;
    monthview::Messages *m_messages;   // told to the user, a turn of the event loop later
    WindowList m_windows;

    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command7 = nullptr;
    QPushButton *m_command8 = nullptr;
    QPushButton *m_command9 = nullptr;
    QPushButton *m_command10 = nullptr;
    QPushButton *m_command11 = nullptr;
    QLabel *m_label1 = nullptr;
    std::array<QLabel *, 8> m_label3{};
    std::array<monthview::NoteBox *, 36> m_text1{};
    std::array<QPushButton *, 36> m_command4{};
    QTimer *m_timer1 = nullptr;
    monthview::FillMeasure m_fills;
    notesearch::NoteWatch *m_watch = nullptr;
    monthview::ScreenReaderNames *m_names = nullptr;

    // View state. Zero until Form_Load sets it.
    qint16 M = 0;               // displayed month, 1 ... 12
    qint16 y = 0;               // displayed year
    qint16 FocusIndex = 0;      // cell whose note box has the focus; 0: none
    qint16 FocusDay = 0;        // day shown in that cell; 0: none
    QDate m_today;              // the start-up date; not renewed at midnight
    qint16 BaseFontSize = 0;    // day-number size in points when not focused

    bool m_loaded = false;      // Form_Load created the grid
    bool m_unloaded = false;
    QSize m_laidOutFor;         // outer size of the last layout pass
};

// Qt must never see an exception leave one of its callbacks.
template <typename Handler>
void Form1::guarded(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::exception &e) {
        try {
            tellUser(QStringLiteral("Something went wrong: %1").arg(QString::fromLocal8Bit(e.what())));
        } catch (...) {
        }
    } catch (...) {
        try {
            tellUser(QStringLiteral("Something went wrong."));
        } catch (...) {
        }
    }
}
