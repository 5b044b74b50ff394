#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {

namespace {

QString qmName(const QString &prefix, const QString &translation)
{
    return prefix + QLatin1Char('_') + translation + QLatin1String(".qm");
}

} // namespace

Choice chooseTranslation(const QStringList &uiLanguages, const std::function<bool(const QString &name)> &hasTranslation)
{
    for (const QString &wanted : uiLanguages) {
        const QLocale locale(wanted);
        // The program speaks English of itself; "C" says nothing of a language.
        if (locale.language() == QLocale::English)
            return {};
        if (locale.language() == QLocale::C)
            continue;
        // "de-AT" is tried as "de_AT", then "de"; "zh-Hans-CN" as "zh_CN",
        // then "zh". A language without a country stands for none: "pt" is
        // not Brazilian, nor "zh" Simplified Chinese.
        const QStringList parts = wanted.split(QLatin1Char('-'));
        const QString alone = parts.front();
        const QString country = parts.size() > 1 ? parts.back() : QString();
        const bool hasCountry = country.size() == 2 || (country.size() == 3 && country.front().isDigit());
        for (const QString &name : {hasCountry ? alone + QLatin1Char('_') + country.toUpper() : QString(), alone}) {
            if (!name.isEmpty() && hasTranslation(name))
                return {name, wanted};
        }
    }
    return {};
}

UserLanguage languageOf(const QString &translation, const QLocale &locale)
{
    UserLanguage language;
    language.translation = translation;
    language.locale = locale;
    language.words = calendar::LocaleWords(
        locale,
        QCoreApplication::translate("language", "d MMMM yyyy",
                                    "QDate format of a date in a message, 14 March 2006"),
        QCoreApplication::translate("language", "dddd d MMMM yyyy",
                                    "QDate format of a date as screen readers say it, Tuesday 14 March 2006"));
    // Qt counts Monday 1 ... Sunday 7.
    language.firstWeekday = int(locale.firstDayOfWeek()) % 7 + 1;
    return language;
}

QString translationsFolder(const QString &programFolder)
{
    const QString beside = programFolder + QLatin1String("/translations");
    if (QFileInfo(beside).isDir())
        return beside;
    return programFolder + QLatin1String("/" KALIVO_TRANSLATIONS_FROM_PROGRAM);
}

UserLanguage installTranslation(QCoreApplication &app, const QString &programFolder)
{
    // Under English the disk is not even looked at.
    QString folder;
    const Choice choice = chooseTranslation(QLocale::system().uiLanguages(), [&](const QString &name) {
        if (folder.isEmpty())
            folder = translationsFolder(programFolder);
        return QFileInfo::exists(folder + QLatin1Char('/') + qmName(QStringLiteral("kalivo"), name));
    });
    if (choice.translation.isEmpty())
        return {};
    auto *own = new QTranslator(&app);
    if (!own->load(qmName(QStringLiteral("kalivo"), choice.translation), folder)) {
        delete own;
        return {};
    }
    // Qt's own words go under the program's, for the buttons of its
    // message boxes; a system without them shows those buttons in English.
    auto *qt = new QTranslator(&app);
    if (qt->load(qmName(QStringLiteral("qtbase"), choice.translation),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    return languageOf(choice.translation, QLocale(choice.uiLanguage));
}

} // namespace language
