#include "platform.h"

#include <QColorSpace>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

// The icon is compiled into the program as pixels made from the installed
// PNG files at build time; a picture lost or garbled on the way leaves the
// windows with the desktop's blank icon or a wrong one, silently.
class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    void drawnSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 47, 48, 64})
            QTest::addRow("%d", size) << size;
    }

    // Each size has its own picture, taken as it is, not scaled from another.
    void drawnSize()
    {
        QFETCH(int, size);
        const QIcon icon = appIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        const QImage file(QStringLiteral(KALIVO_ICON_DIR "/kalivo-%1.png").arg(size));
        QVERIFY(!file.isNull());
        // Pixels only: the PNG file names a colour space, the pixels in the
        // program do not.
        QImage expected = file.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        expected.setColorSpace(QColorSpace());
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
    }

    // The page stands on a transparent background and is not empty.
    void transparentCornerOpaqueMiddle()
    {
        const QImage image = appIcon().pixmap(QSize(47, 47)).toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(23, 23)), 255);
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
