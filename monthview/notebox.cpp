#include "notebox.h"

#include "design.h"
#include "notelayout.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QGuiApplication>
#include <QInputMethod>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace monthview {

namespace {

const QColor kUnreadableText(160, 0, 0);
// The fold of a box whose date has another version: a muted blue that
// reads on every cell colour.
const QColor kOtherVersionMark(70, 110, 170);
constexpr int kMarkSize = 7;   // pixels along each edge

// Room between the text beside a day number and the day number.
constexpr qreal kCornerGap = 2;

// The mark of a box that holds more than it shows.
const QString kMoreMark = QStringLiteral("\u2026");

} // namespace

// How much of a note an unfocused box needs so that it looks full: every
// line that shows and two more, and enough characters for all of them when
// long lines wrap. Judged on the generous side: the frame's inside rather
// than the viewport, the font's height without leading, characters no wider
// than 2 px or the font's narrowest letters, whichever is less - or, for
// Latin-1 text, no wider than three quarters of their own width, which
// kerning never undercuts. Only zero-width marks take less room than that.
const FillMeasure::Fill &FillMeasure::fillFor(const QSize &size, const QFont &font)
{
    if (m_fill.lines > 0 && m_fill.size == size && m_fill.font == font)
        return m_fill;

    if (m_fill.lines == 0 || m_fill.font != font) {
        m_fill.font = font;
        m_metrics.emplace(font);
        m_room.fill(-1);
    }
    const QFontMetricsF &metrics = *m_metrics;
    const qreal lineHeight = std::max<qreal>(1, std::min(metrics.height(), metrics.lineSpacing()));
    const qreal narrowest = std::min({metrics.horizontalAdvance(QLatin1Char('i')),
                                      metrics.horizontalAdvance(QLatin1Char('l')),
                                      metrics.horizontalAdvance(QLatin1Char(' ')), qreal(2)});
    const int lines = int(std::ceil(std::max(size.height(), 0) / lineHeight)) + 2;
    const auto perLine = qsizetype(std::ceil(std::max(size.width(), 1) / std::max<qreal>(narrowest, 0.5)));
    m_fill.size = size;
    m_fill.lines = lines;
    m_fill.chars = lines * perLine;
    m_fill.width = std::max(size.width(), 1);
    return m_fill;
}

// Every letter measured costs the font a look at its glyph. Blanks may hang
// past the edge, a tab may stop right after its start, controls and the
// soft hyphen may show as nothing.
float FillMeasure::measureLetter(char16_t c) const
{
    if (c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD)
        return 0;
    return float(0.75 * m_metrics->horizontalAdvance(QChar(c)));
}

NoteBox::NoteBox(int index, FillMeasure *fills, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_index(index)
    , m_fills(fills)
    , m_layout(new NoteLayout(document()))
    , m_textColour(palette().color(QPalette::Text))
{
    // The editor's own document takes the layout around the day number, and
    // the editor is told of it: a document of the box's own would have the
    // editor make and then throw away one of its own first.
    document()->setDocumentLayout(m_layout);
    setDocument(document());
    design::setUpNoteBox(this, index);
    // The grid paints the frame and the background, each line of the frame
    // one device pixel wide; the box keeps a pixel free for the frame.
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(1, 1, 1, 1);
    viewport()->setAutoFillBackground(false);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_settingText)
            return;
        m_edited = true;
        // Assistive technology edits a box without the focus. Whatever it
        // changed in the start of a note, the rest still follows it.
        showWholeNote();
    });
}

// The whole note goes in here, before the key, click, paste or input-method
// text that follows the focus reaches the box: the mouse press that gave the
// focus is delivered after this event, so the cursor still lands where the
// user clicked.
void NoteBox::focusInEvent(QFocusEvent *event)
{
    emit focusArriving(m_index, event->reason());
    showWholeNote();
    QPlainTextEdit::focusInEvent(event);
    emit focusEntered(m_index, event->reason());
}

void NoteBox::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit focusLeft(m_index, event->reason());
}

// A drop changes a box without giving it the focus, and the wheel scrolls
// past what an unfocused box holds.
void NoteBox::dragEnterEvent(QDragEnterEvent *event)
{
    showWholeNote();
    QPlainTextEdit::dragEnterEvent(event);
}

void NoteBox::wheelEvent(QWheelEvent *event)
{
    showWholeNote();
    QPlainTextEdit::wheelEvent(event);
}

void NoteBox::commitComposition()
{
    // The input method finishes its own composition where it can; whatever
    // it still shows afterwards goes in as it stands, and the input method
    // forgets it. A box keeps its composition while its window is inactive.
    if (hasFocus())
        QGuiApplication::inputMethod()->commit();
    const QTextLayout *layout = textCursor().block().layout();
    const QString composing = layout ? layout->preeditAreaText() : QString();
    if (composing.isEmpty())
        return;
    QInputMethodEvent finish;
    finish.setCommitString(composing);
    inputMethodEvent(&finish);
    if (hasFocus())
        QGuiApplication::inputMethod()->reset();
}

void NoteBox::showNote(const NoteDate &date, const store::Note &note, bool focused)
{
    const bool sameDate = m_date == date;
    m_date = date;
    // The note being typed stays as it is, cursor and all, and goes on from
    // the version its edit started from.
    if (m_edited && sameDate && note.ok() && !m_unreadable)
        return;
    m_stamp = note.stamp;
    m_encoding = note.encoding;
    if (!note.ok()) {
        showUnreadable(note.error);
        return;
    }
    if (m_unreadable) {
        m_unreadable = false;
        setReadOnly(false);
        refreshPalette();
        fill(note.text, focused);
        return;
    }
    if (!m_edited && m_note == note.text) {
        // Same text for another date: the undo history belongs to the old one.
        if (!sameDate && (document()->isUndoAvailable() || document()->isRedoAvailable()))
            document()->clearUndoRedoStacks();
        // A layout pass may have made the box larger.
        fillAgainIfShort();
        return;
    }
    fill(note.text, focused);
}

// The focused box gets the whole note; any other only as much as it shows.
void NoteBox::fill(const QString &note, bool focused)
{
    m_partLength = -1;
    QString shown;
    if (!focused && !hasFocus()) {
        const FillMeasure::Fill &fill = m_fills->fillFor(contentsRect().size(), font());
        m_fillSize = fill.size;
        m_fillFont = fill.font;
        // The editor text of a note's start is the start of its editor
        // text. The box holds at most fill.chars characters and fill.lines
        // line breaks, and a CR LF is one character more in the note than in
        // the box: that many characters of the note and two more (a surrogate
        // pair is never cut) are more than the box takes, and a CR at their
        // end takes its LF along.
        qsizetype head = std::min(note.size(), fill.chars + fill.lines + 2);
        if (head < note.size() && note.at(head - 1) == u'\r')
            ++head;
        shown = editorTextOfNote(head < note.size() ? note.left(head) : note);
        const FillMeasure *fills = m_fills;
        const qsizetype length = editorTextPrefixLength(shown, fill.lines, fill.chars, m_fills->room(), fill.width,
                                                        [fills](char16_t c) { return fills->measureLetter(c); });
        if (length < shown.size()) {
            shown.truncate(length);
            m_partLength = length;
        }
    } else {
        shown = editorTextOfNote(note);
    }
    {
        const QScopedValueRollback setting(m_settingText, true);
        // Through the document: the editor's own setPlainText also lays out
        // the first block twice on the spot (to select all and to show the
        // cursor), work that the next paint does anyway for a box that
        // shows. The undo history goes, the cursor moves to the start, the
        // view goes to the top.
        document()->setPlainText(shown);
        verticalScrollBar()->setValue(0);
    }
    m_note = note;
    m_shownRaw = document()->toRawText();
    m_edited = false;
}

void NoteBox::fillAgainIfShort()
{
    if (m_partLength < 0)
        return;
    const FillMeasure::Fill &fill = m_fills->fillFor(contentsRect().size(), font());
    if (fill.size.height() > m_fillSize.height() || fill.size.width() > m_fillSize.width()
        || fill.font != m_fillFont)
        this->fill(m_note, false);
}

// The rest of the note goes on at the end of the box, so its cursor and its
// scroll position stay as they are.
void NoteBox::showWholeNote()
{
    if (m_partLength < 0)
        return;
    const QString rest = editorTextOfNote(m_note).mid(m_partLength);
    {
        const QScopedValueRollback setting(m_settingText, true);
        // Filling in the rest is no step the user could undo.
        const bool undo = document()->isUndoRedoEnabled();
        document()->setUndoRedoEnabled(false);
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(rest);
        document()->setUndoRedoEnabled(undo);
    }
    m_partLength = -1;
    // Unchanged, the box now matches the note; changed elsewhere, it is a
    // text to save.
    if (!m_edited)
        m_shownRaw = document()->toRawText();
}

void NoteBox::placeCaret(qsizetype position)
{
    showWholeNote();
    QTextCursor cursor(document());
    if (position < 0 || m_edited) {
        cursor.movePosition(QTextCursor::End);
    } else {
        // The editor holds one character for each CR LF of the note.
        const QStringView before = QStringView(m_note).left(position);
        cursor.setPosition(int(std::min<qsizetype>(before.size() - before.count(u"\r\n"),
                                                   document()->characterCount() - 1)));
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

void NoteBox::restore(const QString &note)
{
    showWholeNote();
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.insertText(editorTextOfNote(note));
    setTextCursor(all);
    m_versionDue = true;
}

void NoteBox::setOtherVersion(bool other)
{
    if (m_otherVersion == other)
        return;
    m_otherVersion = other;
    viewport()->update(QRect(0, 0, kMarkSize + 1, kMarkSize + 1));
}

void NoteBox::paintOtherVersionMark(const QRect &dirty)
{
    if (!m_otherVersion || !dirty.intersects(QRect(0, 0, kMarkSize, kMarkSize)))
        return;
    QPainter painter(viewport());
    QPainterPath fold;
    fold.moveTo(0, 0);
    fold.lineTo(kMarkSize, 0);
    fold.lineTo(0, kMarkSize);
    fold.closeSubpath();
    painter.fillPath(fold, kOtherVersionMark);
}

void NoteBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    menu->addSeparator();
    QAction *versions = menu->addAction(tr("Earlier versions\u2026"));
    versions->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(versions, &QAction::triggered, this, [this] { emit versionsAsked(m_index); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void NoteBox::showUnreadable(const QString &error)
{
    // The reason first: a box shows only a few lines.
    const QString shown = tr("%1\nKalivo leaves this file alone.").arg(error);
    if (m_unreadable && m_shownRaw == shown)
        return;
    m_unreadable = true;
    setReadOnly(true);
    refreshPalette();
    {
        const QScopedValueRollback setting(m_settingText, true);
        setPlainText(shown);
    }
    m_partLength = -1;
    m_note.clear();
    m_shownRaw = shown;
    m_edited = false;
}

QString NoteBox::noteText() const
{
    // A box holding only the start of its note stands for the whole note.
    if (!m_edited || m_partLength >= 0)
        return m_note;
    const QString raw = document()->toRawText();
    // Unchanged after all: keep the note's own bytes, lone CR or LF included.
    if (raw == m_shownRaw)
        return m_note;
    return noteOfRawEditorText(raw);
}

void NoteBox::markSaved(const QString &note, const store::Stamp &stamp, store::Encoding encoding)
{
    if (!m_edited)
        return;
    m_note = note;
    m_stamp = stamp;
    m_encoding = encoding;
    m_shownRaw = document()->toRawText();
    m_edited = false;
}

void NoteBox::setColour(Colour colour)
{
    if (m_colour == colour)
        return;
    m_colour = colour;
    refreshPalette();
    // The grid paints the background, frame included.
    update();
}

QColor NoteBox::colour() const
{
    return viewport()->palette().color(QPalette::Base);
}

int NoteBox::oneLineHeight() const
{
    // From the margins, not from the viewport's height: a box that never
    // showed has not placed its viewport yet.
    const QMargins margins = viewportMargins();
    const int frame = margins.top() + margins.bottom() + 2 * frameWidth();
    return frame + 2 * int(std::ceil(document()->documentMargin())) + QFontMetrics(font()).lineSpacing();
}

// In the document's coordinates: the text of the box scrolled to its top
// begins a document margin below the top of the viewport, and a line ends a
// margin before its right edge.
void NoteBox::keepClearOf(const QSize &dayNumber)
{
    const QMargins frame = viewportMargins();
    const qreal margin = document()->documentMargin();
    m_layout->setCorner(QSizeF(dayNumber.width() - frame.right() - margin + kCornerGap,
                               dayNumber.height() - frame.top() - margin));
}

// A line shows when its baseline lies above the bottom edge.
bool NoteBox::holdsMore() const
{
    if (m_partLength >= 0)
        return true;
    const qreal bottom = viewport()->height();
    qreal top = contentOffset().y();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        // The empty line after a last line break shows nothing.
        if (!block.next().isValid() && block.length() <= 1 && block.previous().isValid())
            return false;
        if (top >= bottom)
            return true;
        const qreal height = blockBoundingGeometry(block).height();
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (top + line.y() + line.ascent() > bottom)
                return true;
        }
        top += height;
    }
    return false;
}

void NoteBox::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    paintOtherVersionMark(event->rect());
    if (!holdsMore())
        return;
    // The text fades out towards the bottom edge, and an ellipsis sits in
    // the bottom-right corner on the cell's colour, in a grey of the text's
    // colour.
    QPainter painter(viewport());
    const QFont font = design::makeFont(design::kStandardBoldFont);
    const QFontMetrics metrics(font);
    const QRect area = viewport()->rect();
    const QColor base = colour();
    QColor clear = base;
    clear.setAlpha(0);
    const int fade = std::min(metrics.height() / 2, area.height() / 3);
    QLinearGradient down(0, area.bottom() - fade, 0, area.bottom());
    down.setColorAt(0, clear);
    down.setColorAt(1, base);
    painter.fillRect(QRect(area.left(), area.bottom() - fade + 1, area.width(), fade), down);

    const int width = metrics.horizontalAdvance(kMoreMark) + 4;
    const QRect mark(area.right() - width + 1, area.bottom() - metrics.height() + 1, width, metrics.height());
    QLinearGradient in(mark.left() - width, 0, mark.left(), 0);
    in.setColorAt(0, clear);
    in.setColorAt(1, base);
    painter.fillRect(mark.adjusted(-width, 0, 0, 0), in);
    painter.fillRect(mark, base);
    painter.setFont(font);
    QColor grey = palette().color(QPalette::Text);
    grey.setAlpha(160);
    painter.setPen(grey);
    painter.drawText(mark, Qt::AlignCenter, kMoreMark);
}

void NoteBox::resizeEvent(QResizeEvent *event)
{
    // The editor lays its text out in its viewport's width, and lays it out
    // anew.
    QPlainTextEdit::resizeEvent(event);
    m_layout->setWidth(viewport()->width());
}

void NoteBox::showStart()
{
    m_leftAt = verticalScrollBar()->value();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void NoteBox::resumeTyping()
{
    setFocus(Qt::ShortcutFocusReason);
    verticalScrollBar()->setValue(m_leftAt);
    ensureCursorVisible();
}

// The colour is the viewport's, from which the grid paints the box's
// background: the box's own palette would pass a change on to every inner
// part of the box.
// The text colour, which the box paints with, changes only with the
// readability of the note.
void NoteBox::refreshPalette()
{
    QWidget *port = viewport();
    const QColor base = QColor::fromRgb(m_colour);
    if (port->palette().color(QPalette::Base) != base) {
        QPalette palette = port->palette();
        palette.setColor(QPalette::Base, base);
        port->setPalette(palette);
    }
    const QColor text = m_unreadable ? kUnreadableText : m_textColour;
    if (palette().color(QPalette::Text) != text) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Text, text);
        setPalette(palette);
    }
}

void NoteBox::setNoteFont(const QFont &font)
{
    const QScopedValueRollback setting(m_settingText, true);
    setFont(font);
}

} // namespace monthview
