#pragma once

#include "celldate.h"
#include "datecaptions.h"
#include "versions.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace monthview {

// "Versions of 14-March-2006 Tuesday": every earlier version of a day, kept
// by Kalivo or a conflict copy, newest first, each with its time, where it
// came from and its first line; the selected one's whole text beside the
// list, read-only. Return, a double click or "Restore" hands the selected
// text back (see Restore) and closes the window; Up, Down, Home and End move;
// Escape closes. "Delete copy" deletes a conflict copy's file after a
// question. The window reads what it lists when it opens and writes nothing
// but that deletion.
class VersionsWindow : public QDialog
{
    Q_OBJECT

public:
    // Puts a version's text into the day's note box; empty when no text can
    // go there (a note file that cannot be read).
    using Restore = std::function<void(const QString &text)>;
    // Asks the user a yes-or-no question.
    using Confirm = std::function<bool(QWidget *parent, const QString &title, const QString &text)>;

    // copies: the names of the date's conflict copies in data/, or nullptr
    // to have data/ listed.
    VersionsWindow(const QString &root, const NoteDate &date, const calendar::DateWords &words,
                   const std::vector<QByteArray> *copies, Restore restore, Confirm confirm, QWidget *parent);

    QListWidget *list() const { return m_list; }
    QPlainTextEdit *text() const { return m_text; }
    QLabel *status() const { return m_status; }
    QPushButton *restoreButton() const { return m_restore; }
    QPushButton *deleteButton() const { return m_delete; }

signals:
    // The conflict copy data/<name> was deleted.
    void copyDeleted(const QByteArray &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load(const std::vector<QByteArray> *copies);
    void showSelected();
    void restoreSelected();
    void deleteSelected();
    const store::Version *selected() const;

    QString m_root;
    NoteDate m_date;
    QString m_heading;   // "14-March-2006 Tuesday"
    Restore m_restoreText;
    Confirm m_confirm;
    store::Versions m_versions;
    QListWidget *m_list;
    QPlainTextEdit *m_text;
    QLabel *m_status;
    QPushButton *m_restore;
    QPushButton *m_delete;
};

} // namespace monthview
