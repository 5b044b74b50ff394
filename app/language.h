#pragma once

#include "datecaptions.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The user's language: the translation the windows speak and the way dates
// and weeks go with it. English is the program's own language: under it, and
// under any language the program has no translation for, nothing is loaded
// and every text, date and week stays as it always was.
namespace language {

struct Choice {
    QString translation;   // "de", "pt_BR", "zh_CN"; empty: none
    QString uiLanguage;    // the user's language it was chosen for: "de-AT"
};

// The translation for the user's languages, most wanted first, as
// QLocale::uiLanguages() lists them ("de-DE", "de", "en-US"): that of the
// first language that has one, tried by the locale's full name ("pt_BR"),
// then by its language alone ("de"). hasTranslation(name) says whether
// kalivo_<name>.qm is there. None when English comes first, or no language
// has a translation.
Choice chooseTranslation(const QStringList &uiLanguages, const std::function<bool(const QString &name)> &hasTranslation);

struct UserLanguage {
    QString translation;                 // "de"; empty: English, nothing loaded
    QLocale locale = QLocale::c();       // the language's locale under a translation
    calendar::DateWords words;           // standard words without a translation
    int firstWeekday = calendar::kSundayFirst;
};

// The dates and the week of a translation for `locale`, once it is
// installed: its words, with the date formats the translation gives, and
// the first day of its week.
UserLanguage languageOf(const QString &translation, const QLocale &locale);

// Where the program's translations are: beside the program in the build
// folder, else where they are installed relative to it.
QString translationsFolder(const QString &programFolder);

// Chooses the translation for the system's languages from the program's
// translations (translationsFolder) and installs it with Qt's own for the
// standard buttons (qtbase_<name>.qm from Qt's translations folder, where it
// is installed). Nothing at all is loaded when no translation applies.
UserLanguage installTranslation(QCoreApplication &app, const QString &programFolder);

} // namespace language
