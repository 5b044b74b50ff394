#pragma once

#include "monthlayout.h"
#include "monthplan.h"
#include "platform.h"
#include "store.h"
#include "windowlist.h"

#include <QFont>
#include <QFontMetricsF>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <array>
#include <compare>
#include <map>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace monthview { class NoteBox; }

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
    enum class LoadOutcome { ShowMonthView, ReminderShown, Quit };

    // arguments: the command-line words after the program's name.
    Form1(const Platform &platform, const QStringList &arguments, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up, before the window is first shown. Renders nothing.
    LoadOutcome Form_Load();

    // Fits the grid to the window's outer size and renders the month.
    void Form_Resize();

    // Saves the note being edited, deletes the report pages and closes the
    // program's other windows. False when a note could still not be saved
    // and the user chose to keep the window open.
    bool Form_Unload();

    // Puts a month into the grid: hides the cells without a day, fills the
    // others with day number, note and colour, and writes the title of M, y.
    void ShowMonth(qint16 month, qint16 year);

    // Writes the text of note box Index as the note of its day of month/year,
    // or deletes that note when the box is empty. False when nothing was
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

    // Controls of the arrays; nullptr for a member that does not exist (yet).
    QLabel *Label1() const { return m_label1; }
    QLabel *Label3(int k) const;
    QPlainTextEdit *Text1(int k) const;
    QPushButton *Command4(int k) const;
    QTimer *Timer1() const { return m_timer1; }

    // Dates whose note could not be saved yet; their text is kept here and
    // shown in their cell until a save works.
    QStringList unsavedNotes() const;

    // View state. Zero (empty) until Form_Load sets it.
    qint16 M = 0;               // displayed month, 1 ... 12
    qint16 y = 0;               // displayed year
    qint16 FocusIndex = 0;      // cell whose note box has the focus; 0: none
    qint16 FocusDay = 0;        // day shown in that cell; 0: none
    qint16 TodayDay = 0;        // the start-up date; not renewed at midnight
    QString TodayMonthText;     // "1" ... "12"
    qint16 TodayYear = 0;
    qint16 BaseFontSize = 0;    // day-number size in points when not focused

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class monthview::NoteBox;

    struct NoteDate {
        qint16 day = 0;
        qint16 month = 0;
        qint16 year = 0;
        auto operator<=>(const NoteDate &) const = default;
    };

    // What a cell's note box holds, besides its widget state.
    struct Cell {
        NoteDate date;           // the date it shows; day 0 before the first rendering
        QString note;            // the note as last read or saved, CR LF line breaks
        QString shownRaw;        // the box's raw document text when it last matched `note`
        bool dirty = false;      // the document changed since then
        QRgb colour = 0;
        bool unreadable = false; // its file exists but could not be read: never saved
        // An unfocused box holds only the start of a long note, as much as
        // it can show: filling 31 boxes with whole notes made every change
        // of month slow. While partLength >= 0 the box holds that many
        // characters of the note's editor text, cut to fill a box of
        // fillSize in fillFont; `note` is the whole of it.
        qsizetype partLength = -1;
        QSize fillSize;
        QFont fillFont;
    };

    // How much of a note an unfocused box of a given size and font shows.
    struct Fill {
        QFont font;
        QSize size;
        int lines = 0;
        qsizetype chars = 0;
        double width = 0;
        std::optional<QFontMetricsF> metrics;   // of the font
        monthview::CharRoom room{};   // of each Latin-1 letter in the font
    };

    struct Unsaved {
        QString text;
        QString error;
    };

    void buildDesign();
    QPushButton *addButton(const QString &name, const QString &caption, int leftTwips, int widthTwips);
    void createHeadings();
    void createNoteBoxes();

    monthview::LayoutSizes currentSizes() const;
    void applyLayout(const monthview::Layout &layout);
    void layoutIfOuterSizeChanged();

    monthview::Today today() const;
    void writeTitle();
    void showNote(int k, const store::Note &note, const NoteDate &date);
    void showUnreadable(int k, const QString &error);
    void setBoxColour(int k, QRgb colour);
    QString noteText(int k) const;
    void setBoxText(int k, const QString &note);
    Fill &fillOf(int k) const;
    float measureLetter(char16_t c) const;
    void fillAgainIfShort(int k);
    void showWholeNote(int k);
    void refreshPalette(int k);
    void saveEditedBoxes(qint16 month, qint16 year, bool keepFocusedDate);
    bool saveNote(const NoteDate &date, const QString &text);
    void retryUnsaved();
    void zoomNotes(int points);
    void stepYear(int delta);

    void noteFocusIn(int index, Qt::FocusReason reason);
    void noteFocusOut(int index, Qt::FocusReason reason);

    void tellUser(const QString &text);
    void showQueuedMessages();
    QString describe(const NoteDate &date) const;

    template <typename Handler>
    void guarded(Handler &&handler) noexcept;

    Platform m_platform;
    QStringList m_arguments;
    store::NoteStore m_notes;
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

    std::array<Cell, 36> m_cells{};
    std::map<NoteDate, Unsaved> m_unsaved;
    QStringList m_messages;            // waiting to be shown
    bool m_loaded = false;             // Form_Load created the grid
    bool m_settingText = false;        // our own change of a box, not the user's
    bool m_unloaded = false;
    QSize m_laidOutFor;                // outer size of the last layout pass
    mutable Fill m_lastFill;           // boxes share their size and font
};
