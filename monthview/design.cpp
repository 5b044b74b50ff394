#include "design.h"

#include "calendar.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace monthview::design {

namespace {

// The table's texts as the translations know them. A short word that could
// be read two ways says which is meant; each caption must fit its button.
constexpr struct {
    const char *source;
    const char *comment;
} kTexts[] = {
    QT_TRANSLATE_NOOP3("design", "Print", "button, 33 pixels wide: print this month"),
    QT_TRANSLATE_NOOP3("design", "Print this month's notes", "tooltip of Print"),
    QT_TRANSLATE_NOOP3("design", "< Prev Month", "button, 81 pixels wide"),
    QT_TRANSLATE_NOOP3("design", "Previous month", "spoken name of < Prev Month"),
    QT_TRANSLATE_NOOP3("design", "One month back", "tooltip of < Prev Month"),
    QT_TRANSLATE_NOOP3("design", "Next Month >", "button, 81 pixels wide"),
    QT_TRANSLATE_NOOP3("design", "Next month", "spoken name of Next Month >"),
    QT_TRANSLATE_NOOP3("design", "One month forward", "tooltip of Next Month >"),
    QT_TRANSLATE_NOOP3("design", "< Yr", "button, 33 pixels wide: one year back"),
    QT_TRANSLATE_NOOP3("design", "Previous year", "spoken name of < Yr"),
    QT_TRANSLATE_NOOP3("design", "One year back", "tooltip of < Yr"),
    QT_TRANSLATE_NOOP3("design", "Yr >", "button, 33 pixels wide: one year forward"),
    QT_TRANSLATE_NOOP3("design", "Next year", "spoken name of Yr >"),
    QT_TRANSLATE_NOOP3("design", "One year forward", "tooltip of Yr >"),
    QT_TRANSLATE_NOOP3("design", "Larger note text", "spoken name and tooltip of +"),
    QT_TRANSLATE_NOOP3("design", "Smaller note text", "spoken name and tooltip of -"),
    QT_TRANSLATE_NOOP3("design", "About", "button, 49 pixels wide: opens the About box"),
    QT_TRANSLATE_NOOP3("design", "About Kalivo", "spoken name of About"),
};

QString objectName(const Control &control)
{
    const QString name = QLatin1String(control.name);
    return control.index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(control.index);
}

} // namespace

QString text(const char *source)
{
    for (const auto &t : kTexts) {
        if (qstrcmp(t.source, source) == 0)
            return QCoreApplication::translate("design", t.source, t.comment);
    }
    return QString::fromUtf8(source);
}

LayoutSizes designSizes()
{
    LayoutSizes s;
    s.printWidth = kCommand3.place.width;
    s.titleWidth = kLabel1.place.width;
    s.titleHeight = kLabel1.place.height;
    s.headingHeight = kLabel3Template.place.height;
    s.prevMonthWidth = kCommand2.place.width;
    s.nextMonthWidth = kCommand1.place.width;
    s.aboutWidth = kCommand9.place.width;
    s.minusWidth = kCommand8.place.width;
    s.plusWidth = kCommand7.place.width;
    s.nextYearWidth = kCommand11.place.width;
    s.prevYearWidth = kCommand10.place.width;
    s.dayButtonWidth = dayButton(1).place.width;
    s.dayButtonHeight = dayButton(1).place.height;
    return s;
}

QList<QKeySequence> keysOf(const Control &control)
{
    QList<QKeySequence> keys;
    for (const QKeyCombination key : control.keys) {
        if (key.key() != Qt::Key_unknown)
            keys << QKeySequence(key);
    }
    return keys;
}

QString toolTip(const Control &control)
{
    if (!control.tip)
        return {};
    const QList<QKeySequence> keys = keysOf(control);
    if (keys.isEmpty())
        return text(control.tip);
    return QStringLiteral("%1 (%2)").arg(text(control.tip), keys.front().toString(QKeySequence::NativeText));
}

QFont makeFont(const Font &font)
{
    QFont f(QLatin1String(font.family));
    f.setStyleHint(font.hint);
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    if (font.strategy != QFont::PreferDefault)
        f.setStyleStrategy(font.strategy);
    return f;
}

void placeTwips(QWidget *widget, const TwipRect &place)
{
    widget->setGeometry(twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
                        twipsToPixels(place.height));
}

void setUpWindow(QWidget *window)
{
    window->setObjectName(QLatin1String(kWindowName));
    window->setWindowTitle(QLatin1String(kWindowTitle));
    window->resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
}

// Each control gets its font of the design on its own: a font for the whole
// window would be set up for every control's inner parts as well.
QPushButton *makeButton(const Control &control, QWidget *parent)
{
    auto *button = new QPushButton(text(control.caption), parent);
    button->setObjectName(objectName(control));
    button->setFont(makeFont(control.font));
    button->setAutoDefault(false);
    // A click must take the focus, so that the note box being left saves its
    // note before the click is handled. Tab passes the day numbers by and
    // goes from note to note.
    button->setFocusPolicy(control.kind == Kind::DayButton ? Qt::ClickFocus : Qt::StrongFocus);
    if (control.spoken)
        button->setAccessibleName(text(control.spoken));
    if (control.tip)
        button->setToolTip(toolTip(control));
    placeTwips(button, control.place);
    if (control.hidden)
        button->hide();
    return button;
}

QLabel *makeLabel(const Control &control, QWidget *parent, int firstWeekday)
{
    const bool column = control.kind == Kind::Heading && control.index >= 1;
    auto *label = new QLabel(column ? calendar::ColumnHeading(control.index, firstWeekday)
                                    : QLatin1String(control.caption),
                             parent);
    label->setObjectName(objectName(control));
    label->setFont(makeFont(control.font));
    label->setAlignment(Qt::AlignCenter);
    // A heading's frame is the grid's to draw, each line one device pixel
    // wide; the label keeps a pixel free for it.
    if (control.kind == Kind::Heading)
        label->setContentsMargins(1, 1, 1, 1);
    placeTwips(label, control.place);
    if (control.hidden)
        label->hide();
    return label;
}

void setUpNoteBox(QPlainTextEdit *box, int k)
{
    const Control control = noteBox(k);
    box->setObjectName(objectName(control));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab moves on to the next control, as in any form.
    box->setTabChangesFocus(true);
    // Without scroll bars nothing needs the document's full height, and
    // centring on scroll spares every text change a layout of the
    // document's last screenful.
    box->setCenterOnScroll(true);
    box->setFont(makeFont(control.font));
    if (k == 0) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, QColor::fromRgb(kText1TemplateBase));
        box->setPalette(palette);
    }
    placeTwips(box, control.place);
    if (control.hidden)
        box->hide();
}

} // namespace monthview::design
