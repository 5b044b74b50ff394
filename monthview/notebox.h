#pragma once

#include "monthplan.h"
#include "celldate.h"
#include "store.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QSize>

#include <optional>

namespace monthview {

class NoteLayout;

// How much of a note an unfocused box of a given size and font shows. The
// boxes share one: they have one size and one font.
class FillMeasure
{
public:
    struct Fill {
        QFont font;
        QSize size;
        int lines = 0;
        qsizetype chars = 0;
        double width = 0;
    };

    // The fill of a box of `size` (its inside) in `font`.
    const Fill &fillFor(const QSize &size, const QFont &font);

    // Room that each Latin-1 letter takes in the font, measured when first
    // met; see editorTextPrefixLength.
    CharRoom *room() { return &m_room; }
    float measureLetter(char16_t c) const;

private:
    Fill m_fill;
    std::optional<QFontMetricsF> m_metrics;   // of the fill's font
    CharRoom m_room{};
};

// A note box Text1(k): a plain multi-line editor that owns its cell, the
// date it shows and that date's note, and tells the month view when the
// keyboard focus comes and goes.
//
// The box knows whether the user edited it since it was filled. An
// unfocused box holds only the start of a long note, as much as it can
// show: filling 31 boxes with whole notes made every change of month slow.
// The whole note comes in with the focus, a drop or the wheel, and the note
// the box stands for is always the whole one.
//
// Typed, pasted, dropped and input-method text comes in as it is: the store
// keeps every character, in the encoding the note was read in or in UTF-8.
//
// The text flows around the day number on the box's top-right corner
// (NoteLayout). A box that holds more than it shows below its bottom edge
// says so with a small mark in its bottom-right corner. The box paints no
// background and no frame of its own: the grid paints them, in device
// pixels.
class NoteBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    NoteBox(int index, FillMeasure *fills, QWidget *parent);

    int index() const { return m_index; }
    const NoteDate &date() const { return m_date; }
    bool isEdited() const { return m_edited; }
    bool isUnreadable() const { return m_unreadable; }

    // Shows the note of `date` as read (or why it could not be read). A box
    // with the keyboard focus (`focused`) gets the whole note; one the user
    // edited keeps its text and cursor while it shows the same date.
    void showNote(const NoteDate &date, const store::Note &note, bool focused);

    // The note the box stands for: the one it was filled with while unedited
    // (its own bytes, lone CR or LF included), else its text with CR LF
    // line breaks.
    QString noteText() const;

    // What an edit of the box starts from: the note it was filled with or
    // last saved, and the stamp and encoding of that note's file.
    store::Origin origin() const { return {m_stamp, m_note, m_encoding}; }

    // The text now stands as the box's note: it was saved (the file's stamp
    // and encoding are now `stamp` and `encoding`), or it is kept for a
    // later try.
    void markSaved(const QString &note, const store::Stamp &stamp, store::Encoding encoding);

    void setColour(Colour colour);
    // The background of the cell.
    QColor colour() const;

    // The height of a box that shows one line of text in the box's font:
    // its frame, the document's margins and the line.
    int oneLineHeight() const;

    // The text keeps clear of a day-number button of size `dayNumber` on
    // the box's top-right corner.
    void keepClearOf(const QSize &dayNumber);

    // Whether there is text below the box's bottom edge: text that does not
    // show, or the rest of a note the box holds only the start of.
    bool holdsMore() const;

    // The user left the box: it shows the beginning of its note again. The
    // view it had comes back with resumeTyping.
    void showStart();
    // The keyboard focus comes back to the box after a key of the window,
    // with the text cursor where it was and the view it had.
    void resumeTyping();

    // A font change, which is no edit.
    void setNoteFont(const QFont &font);

    // A larger box or another font may show more of a partly held note.
    void fillAgainIfShort();

    // Puts the text the input method is composing into the note, as if the
    // user had finished it.
    void commitComposition();
    // Puts the text cursor before character `position` of the note (CR LF
    // counts as two; -1: at its end) and scrolls it into view, with the
    // whole note in the box.
    void placeCaret(qsizetype position);

    // Puts `note` (CR LF line breaks) in the place of the box's whole text
    // as if the user had typed it: one step to undo, saved at the next save
    // point, and that save keeps the note it replaces as a version.
    void restore(const QString &note);

    // Whether the next save of the box keeps the note it replaces as a
    // version: the first save of an editing does, and the save of a
    // restored text.
    bool versionDue() const { return m_versionDue; }
    void setVersionDue(bool due) { m_versionDue = due; }

    // The quiet mark of a date with another version: a conflict copy in
    // the notes folder. A small fold in the box's top left corner, away from
    // the day number at the top right.
    bool hasOtherVersion() const { return m_otherVersion; }
    void setOtherVersion(bool other);

signals:
    // "Earlier versions…" was chosen in the box's context menu.
    void versionsAsked(int index);
    // Before the focus arrives: the month view may bring the note up to date.
    void focusArriving(int index, Qt::FocusReason reason);
    void focusEntered(int index, Qt::FocusReason reason);
    void focusLeft(int index, Qt::FocusReason reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fill(const QString &note, bool focused);
    void showWholeNote();
    void showUnreadable(const QString &error);
    void refreshPalette();
    void paintOtherVersionMark(const QRect &dirty);

    int m_index;
    FillMeasure *m_fills;
    NoteLayout *m_layout;
    int m_leftAt = 0;           // the view (scroll position) when the user left the box
    QColor m_textColour;        // of a readable note
    NoteDate m_date;            // day 0 before the first rendering
    QString m_note;             // as last read or saved, CR LF line breaks
    store::Stamp m_stamp;       // of m_note's file then
    store::Encoding m_encoding = store::Encoding::Windows1252;   // of that file
    QString m_shownRaw;         // the document's raw text when it last matched m_note
    bool m_edited = false;      // the user changed the document since then
    bool m_unreadable = false;  // its file exists but cannot be read: never saved
    bool m_settingText = false; // our own change of the document, not the user's
    bool m_versionDue = true;   // the next save keeps a version
    bool m_otherVersion = false;
    Colour m_colour = 0;        // none before the first rendering
    // While m_partLength >= 0 the box holds that many characters of the
    // note's editor text, cut to fill a box of m_fillSize in m_fillFont.
    qsizetype m_partLength = -1;
    QSize m_fillSize;
    QFont m_fillFont;
};

} // namespace monthview
