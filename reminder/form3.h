#pragma once

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class WindowList;

// The reminder window: today's notes of this and earlier years, a way on to
// the month view and a way out of the program. Its layout is fixed.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    // monthView stays hidden until "Bring up the Kalivo".
    Form3(WindowList &windows, QWidget *monthView);

    void setReminder(const QString &caption, const QString &text);

    // "Bring up the Kalivo": hides this window, which stays open until the
    // program ends, and shows the month view.
    void Command1_Click();
    // "Close".
    void Command2_Click();

signals:
    // "Bring up the Kalivo" was chosen, after the window hid itself.
    void bringUpChosen();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Closing the reminder closes every window of the program, newest first,
    // so the month view's shutdown runs and the program ends.
    void Form_Unload();

    WindowList &m_windows;
    QPointer<QWidget> m_monthView;
    QPlainTextEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;
};
