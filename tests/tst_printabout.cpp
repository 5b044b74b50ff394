#include "calendar.h"
#include "frmabout.h"
#include "form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// "Print" and "About" pressed on the real main window.
class TestPrintAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_form;
    QStringList m_opened;
    QStringList m_messages;

    QPushButton *button(const char *name) const { return m_form->findChild<QPushButton *>(name); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A working folder with data/ only: the first report makes temp/.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkpath("data"));
        m_opened.clear();
        m_messages.clear();
        Platform p;
        p.today = QDate(2006, 3, 14);
        p.workingFolder = m_dir->path();
        p.seedRandom = [] {};
        auto counter = std::make_shared<int>(0);
        p.nextRandom = [counter] { return float((*counter)++ % 26) / 26.0f + 0.01f; };
        p.openInViewer = [this](const QString &path, const Platform::ViewerFailed &) { m_opened << path; };
        p.showMessage = [this](QWidget *, const QString &, const QString &text) { m_messages << text; };
        p.confirm = [](QWidget *, const QString &, const QString &) { return true; };
        m_form = std::make_unique<Form1>(p);
        m_form->Form_Load();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup() { m_form.reset(); }

    // The note typed last is saved by the click and is on the page; each
    // press makes its own page; closing the window takes them all away.
    void printTypedNote()
    {
        auto *box = m_form->findChild<QPlainTextEdit *>(
            QStringLiteral("Text1_%1").arg(calendar::GetIndex(14, 3, 2006)));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClicks(box, "Tea & cake");
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);

        QCOMPARE(m_messages, QStringList());
        QCOMPARE(m_opened.size(), 2);
        QVERIFY(m_opened.at(0) != m_opened.at(1));
        for (const QString &path : std::as_const(m_opened)) {
            QFile page(path);
            QVERIFY(page.open(QIODevice::ReadOnly));
            QCOMPARE(page.readAll(), QByteArray("<html><head></head><body><hr><b>14-March-2006 Tuesday"
                                                "</b><br>Tea &amp; cake</body></html>"));
        }
        m_form->close();
        QCOMPARE(QDir(m_dir->filePath("temp")).entryList(QDir::Files), QStringList());
    }

    void aboutAtCornerClosedWithWindow()
    {
        m_form->move(40, 30);
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QTest::mouseClick(button("Command9"), Qt::LeftButton);
        QList<QPointer<frmAbout>> open;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<frmAbout *>(w); box && box->isVisible())
                open << box;
        }
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.at(0)->frameGeometry().topLeft(), m_form->frameGeometry().topLeft());
        m_form->close();
        QTRY_VERIFY(open.at(0).isNull());
    }
};

QTEST_MAIN(TestPrintAbout)
#include "tst_printabout.moc"
