#include "versionswindow.h"

#include "datecaptions.h"
#include "monthplan.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace monthview {

namespace {

const QColor kUnreadableText(160, 0, 0);

// Characters of a first line shown in the list.
constexpr qsizetype kShownLine = 120;

QString firstLine(const QString &text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    QString line = (end < 0 ? text : text.left(end)).simplified();
    if (line.size() > kShownLine)
        line = line.left(kShownLine) + QStringLiteral("\u2026");
    return line;
}

} // namespace

VersionsWindow::VersionsWindow(const QString &root, const NoteDate &date, const calendar::DateWords &words,
                               const std::vector<QByteArray> *copies, Restore restore, Confirm confirm,
                               QWidget *parent)
    : QDialog(parent)
    , m_root(root)
    , m_date(date)
    , m_heading(calendar::DayHeading(date.day, date.month, date.year, words))
    , m_restoreText(std::move(restore))
    , m_confirm(std::move(confirm))
    , m_list(new QListWidget(this))
    , m_text(new QPlainTextEdit(this))
    , m_status(new QLabel(this))
    , m_restore(new QPushButton(tr("Restore"), this))
    , m_delete(new QPushButton(tr("Delete copy"), this))
{
    setObjectName(QStringLiteral("VersionsWindow"));
    setWindowTitle(tr("Versions of %1").arg(m_heading));
    setWindowModality(Qt::WindowModal);
    resize(720, 380);

    m_list->setObjectName(QStringLiteral("VersionList"));
    m_list->setAccessibleName(tr("Earlier versions"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setUniformItemSizes(true);
    m_text->setObjectName(QStringLiteral("VersionText"));
    m_text->setAccessibleName(tr("Text of the selected version"));
    m_text->setReadOnly(true);
    m_status->setObjectName(QStringLiteral("VersionStatus"));
    m_status->setWordWrap(true);
    m_restore->setObjectName(QStringLiteral("RestoreVersion"));
    m_delete->setObjectName(QStringLiteral("DeleteCopy"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseVersions"));
    // Return restores from the list, never through a default button.
    for (QPushButton *button : {m_restore, m_delete, close})
        button->setAutoDefault(false);

    auto *panes = new QHBoxLayout;
    panes->addWidget(m_list, 1);
    panes->addWidget(m_text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_restore);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::currentRowChanged, this, &VersionsWindow::showSelected);
    connect(m_list, &QListWidget::doubleClicked, this, &VersionsWindow::restoreSelected);
    connect(m_restore, &QPushButton::clicked, this, &VersionsWindow::restoreSelected);
    connect(m_delete, &QPushButton::clicked, this, &VersionsWindow::deleteSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    load(copies);
    m_list->setFocus(Qt::OtherFocusReason);
}

static QString sourceText(store::VersionSource source)
{
    switch (source) {
    case store::VersionSource::Kalivo:
        return VersionsWindow::tr("kept by Kalivo");
    case store::VersionSource::ChangedOutside:
        return VersionsWindow::tr("changed outside Kalivo");
    case store::VersionSource::Syncthing:
        return VersionsWindow::tr("conflict copy of Syncthing");
    case store::VersionSource::Nextcloud:
        return VersionsWindow::tr("conflict copy of Nextcloud or ownCloud");
    case store::VersionSource::Dropbox:
        return VersionsWindow::tr("conflict copy of Dropbox");
    }
    return QString();
}

void VersionsWindow::load(const std::vector<QByteArray> *copies)
{
    m_versions = store::listVersions(m_root, m_date, copies);
    m_list->clear();
    for (const store::Version &v : m_versions.list) {
        const QString time = v.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QString line = !v.error.isEmpty() ? v.error
            : v.text.isEmpty()                  ? tr("(empty)")
                                                : firstLine(v.text);
        auto *item = new QListWidgetItem(tr("%1, %2: %3").arg(time, sourceText(v.source), line), m_list);
        item->setToolTip(v.file);
        if (!v.error.isEmpty())
            item->setForeground(kUnreadableText);
    }
    QStringList status;
    if (m_versions.list.empty())
        status << tr("There is no earlier version of %1.")
                      .arg(m_heading);
    if (!m_versions.problem.isEmpty())
        status << m_versions.problem;
    m_status->setText(status.join(u' '));
    m_status->setHidden(status.isEmpty());
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    showSelected();
}

const store::Version *VersionsWindow::selected() const
{
    const int row = m_list->currentRow();
    return row >= 0 && std::size_t(row) < m_versions.list.size() ? &m_versions.list[std::size_t(row)] : nullptr;
}

void VersionsWindow::showSelected()
{
    const store::Version *v = selected();
    m_text->setPlainText(!v ? QString() : v->error.isEmpty() ? editorTextOfNote(v->text) : v->error);
    m_restore->setEnabled(v && v->error.isEmpty() && m_restoreText);
    m_delete->setEnabled(v && v->isCopy());
}

void VersionsWindow::restoreSelected()
{
    const store::Version *v = selected();
    if (!v || !v->error.isEmpty() || !m_restoreText)
        return;
    const QString text = v->text;
    const Restore restore = m_restoreText;
    accept();
    restore(text);
}

void VersionsWindow::deleteSelected()
{
    const store::Version *v = selected();
    if (!v || !v->isCopy())
        return;
    const QString file = v->file;
    if (m_confirm
        && !m_confirm(this, windowTitle(),
                      tr("Delete the conflict copy %1? Its text is gone for good.").arg(file)))
        return;
    const QByteArray name = QFile::encodeName(file.mid(file.indexOf(u'/') + 1));
    const int row = m_list->currentRow();
    if (const QString error = store::deleteConflictCopy(m_root, name); !error.isEmpty()) {
        m_status->setText(error);
        m_status->show();
        return;
    }
    emit copyDeleted(name);
    load(nullptr);
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}

bool VersionsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            restoreSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace monthview
