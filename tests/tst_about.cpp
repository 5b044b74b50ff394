#include "frmabout.h"
#include "windowlist.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// A plain window stands in for the main window.
class TestAbout : public QObject
{
    Q_OBJECT

    QWidget *m_main = nullptr;
    WindowList *m_windows = nullptr;

    QPointer<frmAbout> press()
    {
        frmAbout *box = about::ShowAbout(m_main, *m_windows);
        if (!QTest::qWaitForWindowExposed(box))
            qWarning("About box not shown");
        return box;
    }

private slots:
    void init()
    {
        m_windows = new WindowList;
        m_main = new QWidget;
        m_main->setGeometry(200, 150, 800, 600);
        m_windows->add(m_main);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }

    void cleanup()
    {
        m_windows->closeAllNewestFirst(m_main);
        delete m_main;
        delete m_windows;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void lookAndTexts()
    {
        const QPointer<frmAbout> box = press();
        QCOMPARE(box->windowTitle(), QString("About Kalivo"));
        QCOMPARE(box->findChild<QLabel *>("lblTitle")->text(), QString("Kalivo"));
        QCOMPARE(box->findChild<QLabel *>("lblVersion")->text(), QString("Version 1.0"));
        QVERIFY(!box->findChild<QLabel *>("lblDescription")->text().isEmpty());
        QCOMPARE(box->size(), QSize(388, 182));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        const Qt::WindowFlags flags = box->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                           | Qt::WindowContextHelpButtonHint)));
        QVERIFY(box->testAttribute(Qt::WA_DeleteOnClose));
        const QHash<QString, QRect> geometry = {
            {"picIcon", {16, 16, 51, 51}},     {"cmdOK", {144, 152, 84, 23}},
            {"lblTitle", {72, 16, 259, 32}},   {"lblVersion", {72, 52, 259, 15}},
            {"lblDescription", {72, 88, 259, 54}},
            {"Line1_1", {6, 144, 371, 1}},     {"Line1_0", {7, 144, 370, 2}}};
        for (auto it = geometry.cbegin(); it != geometry.cend(); ++it)
            QCOMPARE(box->findChild<QWidget *>(it.key())->geometry(), it.value());
        auto *ok = box->findChild<QPushButton *>("cmdOK");
        QCOMPARE(ok->text(), QString("OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTRY_COMPARE(QApplication::focusWidget(), ok);
    }

    // A second press finds the box the user dragged away, moves it back and
    // makes no other; also when the corner lies off the screen.
    void onlyOneMovedBack_data()
    {
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("on the screen") << QPoint(200, 150);
        QTest::newRow("off the screen's top left") << QPoint(-8, -30);
    }

    void onlyOneMovedBack()
    {
        QFETCH(QPoint, corner);
        const QPointer<frmAbout> first = press();
        QCOMPARE(first->frameGeometry().topLeft(), m_main->frameGeometry().topLeft());
        first->move(500, 400);
        m_main->move(corner);
        const QPointer<frmAbout> second = press();
        QCOMPARE(second.data(), first.data());
        QCOMPARE(second->frameGeometry().topLeft(), m_main->frameGeometry().topLeft());
        QCOMPARE(m_main->frameGeometry().topLeft(), corner);
        QCOMPARE(m_windows->windows().size(), 2);
    }

    // Each way of closing destroys the box; the next press builds a new one.
    void closedAndBuiltAnew_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("close button") << 3;
    }

    void closedAndBuiltAnew()
    {
        QFETCH(int, how);
        QPointer<frmAbout> box = press();
        QVERIFY(QTest::qWaitForWindowActive(box));
        box->setWindowTitle("changed");
        switch (how) {
        case 0: QTest::mouseClick(box->findChild<QPushButton *>("cmdOK"), Qt::LeftButton); break;
        case 1: QTest::keyClick(box, Qt::Key_Return); break;
        case 2: QTest::keyClick(box, Qt::Key_Escape); break;
        case 3: box->close(); break;
        }
        QTRY_VERIFY(box.isNull());
        const QPointer<frmAbout> again = press();
        QCOMPARE(again->windowTitle(), QString("About Kalivo"));
        QCOMPARE(m_windows->windows().size(), 2);
    }

    // A second press right after "OK", before the closed box is gone.
    void pressBeforeDeletion()
    {
        const QPointer<frmAbout> box = press();
        box->close();
        const QPointer<frmAbout> again = press();
        QVERIFY(again.data() != box.data());
        QTRY_VERIFY(box.isNull());
        QVERIFY(again && again->isVisible());
    }

    void closedByShutdown()
    {
        const QPointer<frmAbout> box = press();
        m_windows->closeAllNewestFirst(m_main);
        QTRY_VERIFY(box.isNull());
        QVERIFY(m_main->isVisible());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
