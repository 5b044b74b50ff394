#include "design.h"
#include "form3.h"
#include "frmabout.h"
#include "language.h"
#include "windowlist.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

// A text of the program as lupdate finds it in the sources.
struct Message {
    QByteArray context;
    QByteArray source;
    QByteArray comment;
    bool numerus = false;
};

// What lupdate finds in the sources now, so that a text added since the
// translations were last brought up to date counts as untranslated.
QList<Message> messagesOfSources(QString *error)
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("all.ts"));
    QStringList args{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none")};
    for (const char *folder : {"about", "app", "calendar", "monthview", "platform", "reminder", "report", "search",
                               "store"})
        args << QStringLiteral(KALIVO_SOURCE_DIR "/") + QLatin1String(folder);
    args << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(KALIVO_LUPDATE), args);
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAllStandardError());
        return {};
    }
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QByteArray context;
    Message m;
    QString *into = nullptr;
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name") || name == QLatin1String("source") || name == QLatin1String("comment")) {
                text.clear();
                into = &text;
            } else if (name == QLatin1String("byte") && into) {
                *into += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            } else if (name == QLatin1String("message")) {
                m = Message{context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")};
            }
        } else if (xml.isCharacters() && into) {
            *into += xml.text();
        } else if (xml.isEndElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name"))
                context = text.toUtf8();
            else if (name == QLatin1String("source"))
                m.source = text.toUtf8();
            else if (name == QLatin1String("comment"))
                m.comment = text.toUtf8();
            else if (name == QLatin1String("message"))
                messages << m;
            if (name != QLatin1String("byte"))
                into = nullptr;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// The numbered places of a text ("%1", "%2", "%n"), in order, each once.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression place(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &m : place.globalMatch(text)) {
        if (!found.contains(m.captured()))
            found << m.captured();
    }
    found.sort();
    return found;
}

QStringList languages()
{
    return QStringLiteral(KALIVO_LANGUAGES).split(QLatin1Char(' '));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        m_messages = messagesOfSources(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m_messages.size() > 50);
    }

    void everyText_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Every text of the sources has a translation (none left unfinished,
    // which the build leaves out), with the same numbered places.
    void everyText()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("kalivo_") + language, QStringLiteral(KALIVO_QM_DIR)));
        QStringList faults;
        for (const Message &m : std::as_const(m_messages)) {
            const QString source = QString::fromUtf8(m.source);
            const char *comment = m.comment.isEmpty() ? nullptr : m.comment.constData();
            for (const int n : m.numerus ? QList<int>{1, 2, 5, 22, 101} : QList<int>{-1}) {
                const QString translated = translator.translate(m.context, m.source, comment, n);
                const QString where = QStringLiteral("%1 \"%2\"%3: ").arg(QString::fromUtf8(m.context), source,
                                                                           n < 0 ? QString() : QStringLiteral(" n=%1").arg(n));
                if (translated.isEmpty())
                    faults << where + QStringLiteral("no translation");
                else if (placeholders(translated) != placeholders(source))
                    faults << where + translated;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void buttonsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString &language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // Each button of a fixed size shows its whole caption at the design
    // font, with a pixel to spare inside its frame on either side.
    void buttonsFit()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(QStringLiteral("kalivo_") + language, QStringLiteral(KALIVO_QM_DIR)));
            QCoreApplication::installTranslator(&translator);
        }
        std::vector<std::unique_ptr<QPushButton>> buttons;
        for (const monthview::design::Control *control : monthview::design::kTopBar) {
            if (control->kind == monthview::design::Kind::Button)
                buttons.emplace_back(monthview::design::makeButton(*control, nullptr));
        }
        WindowList windows;
        Form3 reminder(windows, nullptr);
        frmAbout about;
        QList<QPushButton *> all = reminder.findChildren<QPushButton *>() + about.findChildren<QPushButton *>();
        for (const auto &b : buttons)
            all << b.get();
        QStringList faults;
        for (const QPushButton *b : std::as_const(all)) {
            const int needed = QFontMetrics(b->font()).horizontalAdvance(b->text()) + 4;
            if (needed > b->width())
                faults << QStringLiteral("%1 \"%2\": %3 pixels wide, needs %4")
                              .arg(b->objectName(), b->text())
                              .arg(b->width())
                              .arg(needed);
        }
        // The About box's description stays within its label, as in English.
        const QLabel *description = about.findChild<QLabel *>(QStringLiteral("lblDescription"));
        QVERIFY(description);
        const QRect needed = QFontMetrics(description->font())
                                 .boundingRect(QRect(0, 0, description->width(), 10000), Qt::TextWordWrap,
                                               description->text());
        if (needed.height() > description->height())
            faults << QStringLiteral("lblDescription: %1 pixels high, needs %2").arg(description->height()).arg(needed.height());
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The user's languages as QLocale lists them, most wanted first, against
    // the translations there are.
    void choice_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<int>("firstWeekday");

        QTest::newRow("German") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de" << 2;
        QTest::newRow("Austrian German, by its language") << QStringList{"de-AT", "de"} << "de" << 2;
        QTest::newRow("Canadian French: the week of Canada") << QStringList{"fr-CA", "fr"} << "fr" << 1;
        QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR", "pt"} << "pt_BR" << 1;
        QTest::newRow("Portuguese of Portugal has none") << QStringList{"pt-PT", "pt"} << "" << 1;
        QTest::newRow("Simplified Chinese") << QStringList{"zh-CN", "zh-Hans-CN", "zh"} << "zh_CN" << 1;
        QTest::newRow("Traditional Chinese has none") << QStringList{"zh-TW", "zh-Hant-TW", "zh"} << "" << 1;
        QTest::newRow("Russian") << QStringList{"ru-RU", "ru"} << "ru" << 2;
        QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << "ja" << 1;
        QTest::newRow("Dutch, then Polish: the first with one") << QStringList{"nl-NL", "nl", "pl-PL"} << "pl" << 2;
        QTest::newRow("English first, then German: English") << QStringList{"en-US", "de-DE"} << "" << 1;
        QTest::newRow("British English") << QStringList{"en-GB"} << "" << 1;
        QTest::newRow("C") << QStringList{"C"} << "" << 1;
        QTest::newRow("nothing") << QStringList{} << "" << 1;
    }

    void choice()
    {
        QFETCH(QStringList, uiLanguages);
        const QStringList there = languages();
        const language::Choice choice = language::chooseTranslation(
            uiLanguages, [&](const QString &name) { return there.contains(name); });
        QTEST(choice.translation, "translation");
        const language::UserLanguage user = choice.translation.isEmpty()
            ? language::UserLanguage{}
            : language::languageOf(choice.translation, QLocale(choice.uiLanguage));
        QTEST(user.firstWeekday, "firstWeekday");
    }

private:
    QList<Message> m_messages;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
