#include "findwindow.h"

#include "accessibility.h"
#include "datecaptions.h"
#include "notewatch.h"

#include <QColor>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace monthview {

namespace {

// Characters of a long line shown around its match.
constexpr qsizetype kShownLine = 160;

const QColor kUnreadableText(160, 0, 0);

} // namespace

int FindResults::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_results.size());
}

QVariant FindResults::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.size())
        return {};
    const qsizetype row = index.row();
    if (role == Qt::ForegroundRole)
        return m_results.isUnreadable(row) ? QVariant(kUnreadableText) : QVariant();
    if (role == Qt::AccessibleTextRole)
        return accessibility::spokenText(data(index, Qt::DisplayRole).toString());
    if (role != Qt::DisplayRole)
        return {};
    const notesearch::Date d = m_results.date(row);
    qsizetype column = 0;
    QString line = m_results.line(row, &column);
    if (line.size() > kShownLine) {
        // The part of a long line around its match.
        const qsizetype from = std::clamp(column - kShownLine / 4, qsizetype(0), line.size() - kShownLine);
        line = (from > 0 ? QStringLiteral("\u2026") : QString()) + line.mid(from, kShownLine)
            + (from + kShownLine < line.size() ? QStringLiteral("\u2026") : QString());
    }
    line.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return calendar::DayHeading(d.day, d.month, d.year, m_words) + QStringLiteral(":  ") + line;
}

void FindResults::clear()
{
    beginResetModel();
    m_results.clear();
    endResetModel();
}

void FindResults::append(const notesearch::Batch &batch)
{
    if (batch.hits.empty())
        return;
    const int first = int(m_results.size());
    beginInsertRows({}, first, first + int(batch.hits.size()) - 1);
    m_results.append(batch);
    endInsertRows();
}

FindWindow::FindWindow(const QString &dataFolder, notesearch::NoteWatch *watch, const calendar::DateWords &words,
                       Jump jump, QWidget *parent)
    : QDialog(parent)
    , m_search(dataFolder)
    , m_watch(watch)
    , m_jump(std::move(jump))
    , m_results(words, this)
    , m_field(new QLineEdit(this))
    , m_list(new QListView(this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("FindWindow"));
    setWindowTitle(tr("Find in notes"));
    setModal(false);
    resize(520, 340);

    m_field->setObjectName(QStringLiteral("FindText"));
    m_field->setAccessibleName(tr("Find in notes"));
    m_field->setPlaceholderText(tr("Text to find in every note"));
    m_field->setClearButtonEnabled(true);
    for (QToolButton *clear : m_field->findChildren<QToolButton *>())
        clear->setAccessibleName(tr("Clear the text to find"));
    m_list->setObjectName(QStringLiteral("FindResults"));
    m_list->setAccessibleName(tr("Notes found"));
    m_list->verticalScrollBar()->setAccessibleName(tr("Scroll the notes found"));
    m_list->setModel(&m_results);
    m_list->setUniformItemSizes(true);
    // A long line ends in an ellipsis rather than widening the list.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The typing stays in the field; the list is reached by the mouse and
    // by Up and Down from the field.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_status->setObjectName(QStringLiteral("FindStatus"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);

    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &FindWindow::searchFor);
    connect(m_list, &QListView::doubleClicked, this, &FindWindow::goToSelected);
    connect(&m_search, &notesearch::NoteSearch::found, this, [this](const notesearch::Batch &batch) {
        m_results.append(batch);
        if (!m_list->currentIndex().isValid() && m_results.rowCount() > 0)
            m_list->setCurrentIndex(m_results.index(0));
    });
    connect(&m_search, &notesearch::NoteSearch::finished, this, &FindWindow::showStatus);
    if (m_watch)
        notesearch::followWatch(m_search, *m_watch);
}

void FindWindow::showFind()
{
    m_search.prepare();
    show();
    raise();
    activateWindow();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    // Notes may have changed since the window was last open.
    searchFor(m_field->text());
}

void FindWindow::searchFor(const QString &text)
{
    // Without a watch nothing tells of changed notes: each search reads the
    // folder anew.
    if (!m_watch || !m_watch->isWatching())
        m_search.forget();
    m_results.clear();
    m_search.start(text);
    showStatus();
}

void FindWindow::showStatus()
{
    QString status;
    const int rows = m_results.rowCount();
    if (!m_search.folderError().isEmpty())
        status = m_search.folderError();
    else if (m_search.isRunning())
        status = tr("Searching\u2026");
    else if (m_field->text().isEmpty())
        status = QString();
    else if (rows == 0)
        status = tr("Not found in any note.");
    else
        status = rows == 1 ? tr("1 line found.") : tr("%n lines found.", nullptr, rows);
    m_status->setText(status);
}

void FindWindow::goToSelected()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid())
        return;
    const notesearch::Results &r = m_results.results();
    const notesearch::Date d = r.date(current.row());
    const qsizetype position = r.isUnreadable(current.row()) ? 0 : r.position(current.row());
    hide();
    if (m_jump)
        m_jump(NoteDate{d.day, d.month, d.year}, position);
}

bool FindWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The list moves its selection; the field keeps the focus.
        QCoreApplication::sendEvent(m_list, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goToSelected();
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace monthview
