#pragma once

#include "celldate.h"
#include "datecaptions.h"
#include "notesearch.h"

#include <QAbstractListModel>
#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;

namespace monthview {

// The hits of a search, one row each: the date as the reminder and the
// report write it ("14-March-2006 Tuesday", calendar::DayHeading with the
// words given) and the line that matches, or why the note cannot be read.
class FindResults : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit FindResults(const calendar::DateWords &words, QObject *parent = nullptr)
        : QAbstractListModel(parent)
        , m_words(words)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void clear();
    void append(const notesearch::Batch &batch);
    const notesearch::Results &results() const { return m_results; }

private:
    calendar::DateWords m_words;
    notesearch::Results m_results;
};

// "Find in notes", over the month view: a text field and the list of every
// line of every note that holds the text typed, newest first, growing while
// the search runs. The first result is selected as soon as it comes; Up and
// Down move the selection while the typing stays in the field; Return or a
// double click goes to the selected result, Escape closes the window.
class FindWindow : public QDialog
{
    Q_OBJECT

public:
    // Goes to a result: the month of `date` with the text cursor before
    // `position` of its note.
    using Jump = std::function<void(const NoteDate &date, qsizetype position)>;

    // Reads nothing before it is first shown. watch: the month view's, or
    // nullptr. Dates are written with `words`.
    FindWindow(const QString &dataFolder, notesearch::NoteWatch *watch, const calendar::DateWords &words, Jump jump,
               QWidget *parent);

    // Shows the window with its text selected, searching that text again.
    // The notes are read from the first time on.
    void showFind();

    QLineEdit *field() const { return m_field; }
    QListView *list() const { return m_list; }
    QLabel *status() const { return m_status; }
    notesearch::NoteSearch &search() { return m_search; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searchFor(const QString &text);
    void showStatus();
    void goToSelected();

    notesearch::NoteSearch m_search;
    notesearch::NoteWatch *m_watch;
    Jump m_jump;
    FindResults m_results;
    QLineEdit *m_field;
    QListView *m_list;
    QLabel *m_status;
};

} // namespace monthview
