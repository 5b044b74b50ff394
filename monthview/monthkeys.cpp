#include "monthkeys.h"

#include "calendar.h"
#include "findwindow.h"
#include "form1.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

#include <vector>

namespace monthview {

namespace {

struct ButtonKey {
    const char *button;
    const char *what;                     // the start of its tooltip
    std::vector<QKeySequence> keys;       // the first is named in the tooltip
    bool focusBack = false;               // the focus returns to the note box
};

const std::vector<ButtonKey> &buttonKeys()
{
    static const std::vector<ButtonKey> keys = {
        {"Command1", "One month forward", {QKeySequence(Qt::CTRL | Qt::Key_PageDown)}},
        {"Command2", "One month back", {QKeySequence(Qt::CTRL | Qt::Key_PageUp)}},
        {"Command11", "One year forward", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown)}},
        {"Command10", "One year back", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp)}},
        {"Command3", "Print this month's notes", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        // Ctrl+= is Ctrl+Plus without Shift on many layouts.
        {"Command7", "Larger note text",
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, true},
        {"Command8", "Smaller note text", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, true},
    };
    return keys;
}

const QKeySequence kToday(Qt::CTRL | Qt::Key_Home);
const QKeySequence kFind(Qt::CTRL | Qt::Key_F);

// Owns the keys of one month view and its find window.
class MonthKeys : public QObject
{
public:
    explicit MonthKeys(Form1 &form)
        : QObject(&form)
        , m_form(form)
    {
        for (const ButtonKey &key : buttonKeys()) {
            QPushButton *button = m_form.findChild<QPushButton *>(QLatin1String(key.button));
            button->setToolTip(QStringLiteral("%1 (%2)").arg(QLatin1String(key.what),
                                                             key.keys.front().toString(QKeySequence::NativeText)));
            for (const QKeySequence &sequence : key.keys)
                add(sequence, [this, button, back = key.focusBack] { press(button, back); });
        }
        add(kToday, [this] {
            const QDate today = m_form.today();
            goToNote(m_form, NoteDate{qint16(today.day()), qint16(today.month()), qint16(today.year())}, -1);
        });
        add(kFind, [this] { find(); });
        // A note box keeps Ctrl+Home for itself (the start of its text)
        // unless told otherwise.
        for (int k = 1; k <= 35; ++k)
            m_form.Text1(k)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
            if (m_sequences.contains(pressed)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    template <typename Slot>
    void add(const QKeySequence &sequence, Slot slot)
    {
        auto *shortcut = new QShortcut(sequence, &m_form);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
        m_sequences << sequence;
    }

    void press(QPushButton *button, bool focusBack)
    {
        QWidget *before = m_form.focusWidget();
        // As a click: the box being left saves its note before the button acts.
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        if (focusBack && before && before != button && before->isVisible()
            && qobject_cast<QPlainTextEdit *>(before))
            before->setFocus(Qt::ShortcutFocusReason);
    }

    void find()
    {
        // The note being typed goes to disk first, so that the search finds it.
        m_form.Timer1_Timer();
        if (!m_find) {
            m_find = new FindWindow(m_form.notes().root() + QLatin1String("/data"), m_form.noteWatch(),
                                    [this](const NoteDate &date, qsizetype position) {
                                        m_form.activateWindow();
                                        goToNote(m_form, date, position);
                                    },
                                    &m_form);
        }
        m_find->showFind();
    }

    Form1 &m_form;
    QList<QKeySequence> m_sequences;
    FindWindow *m_find = nullptr;
};

} // namespace

void installMonthKeys(Form1 &form)
{
    new MonthKeys(form);
}

void goToNote(Form1 &form, const NoteDate &date, qsizetype position)
{
    // In the active window the box being left loses the focus and saves;
    // in another, no focus event comes, and it is left all the same.
    if (QWidget *focused = form.focusWidget())
        focused->clearFocus();
    if (form.focusIndex() != 0)
        form.Text1_LostFocus(form.focusIndex());
    form.ShowMonth(date.month, date.year);
    auto *box = qobject_cast<NoteBox *>(form.Text1(calendar::GetIndex(date.day, date.month, date.year)));
    if (!box || box->isHidden())
        return;
    // In a window that is not active yet the box gets the focus, with its
    // emphasis, when the window does.
    box->setFocus(Qt::OtherFocusReason);
    box->placeCaret(position);
}

} // namespace monthview
