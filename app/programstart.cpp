#include "programstart.h"

#include "form1.h"
#include "form3.h"
#include "platform.h"
#include "quickcheck.h"
#include "reminderstart.h"
#include "shutdownsignals.h"
#include "singleinstance.h"
#include "windowfront.h"
#include "store.h"
#include "windowlist.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QSessionManager>

#include <cstdio>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("Kalivo");

// Another program holds the folder and did not answer: a second month view
// would overwrite its notes, so none opens.
int tellNoAnswer(const Platform &platform)
{
    const QString text = QCoreApplication::translate("programstart",
                                                     "Kalivo already runs in %1, but it does not answer.\n\n"
                                                     "Wait for it, or end it, then start Kalivo again.")
                             .arg(QDir::toNativeSeparators(platform.workingFolder));
    std::fprintf(stderr, "kalivo: %s\n", qPrintable(QString(text).replace(QLatin1String("\n\n"), QLatin1String(" "))));
    if (platform.showMessage)
        platform.showMessage(nullptr, kTitle, text);
    return 1;
}

// "kalivo remind" while the folder's month view runs in another program:
// the reminder alone, whose "Bring up the Kalivo" brings that month view up.
// Should that program have ended meanwhile, this one opens the month view.
int remindBesideRunning(const Platform &platform, SingleInstance &instance)
{
    const store::NoteStore notes(platform.workingFolder);
    WindowList windows;
    const QPointer<Form3> reminder = reminder::ReminderStart(platform.today, notes, windows, nullptr, platform.dateWords);
    if (!reminder)
        return 0;

    ShutdownSignals caught;
    std::unique_ptr<Form1> own;
    QObject::connect(&caught, &ShutdownSignals::received, reminder, [&own, reminder] {
        if (own)
            return;
        reminder->close();
        QCoreApplication::exit(0);
    });
    // Form3 hides itself first; it has no month view of its own to show.
    QObject::connect(reminder, &Form3::bringUpChosen, reminder, [&] {
        int status = 0;
        if (!instance.askToBringUp()) {
            switch (instance.start(true)) {
            case SingleInstance::Start::First:
                own = std::make_unique<Form1>(platform);
                bringUpOnRequest(*own, instance);
                shutDownOnRequest(*own, caught);
                own->Form_Load();
                own->show();
                break;
            case SingleInstance::Start::Running:
                break;
            case SingleInstance::Start::NoAnswer:
                status = tellNoAnswer(platform);
                break;
            }
        }
        reminder->close();
        // The hidden reminder was the last window; closing it ends nothing
        // by itself.
        if (!own)
            QCoreApplication::exit(status);
    });
    return QApplication::exec();
}

} // namespace

bool startProgram(Form1 &monthView, int argc, const char *const *argv)
{
    monthView.Form_Load();
    // A signal may have ended the run while the greeting was shown.
    if (monthView.hasEnded())
        return false;
    if (!reminder::isRemindCommand(argc, argv)) {
        monthView.show();
        return true;
    }
    return reminder::ReminderStart(monthView.today(), monthView.notes(), monthView.windows(), &monthView,
                                   monthView.platform().dateWords)
        != nullptr;
}

void bringUpOnRequest(Form1 &monthView, SingleInstance &instance)
{
    QObject::connect(&instance, &SingleInstance::bringUpRequested, &monthView, [&monthView] {
        if (monthView.hasEnded())
            return;
        // Before the month view is loaded, its start-up is still going on
        // and shows it soon; only a message box of that start is up.
        if (monthView.isLoaded()) {
            for (QWidget *w : monthView.windows().windows()) {
                if (auto *shown = qobject_cast<Form3 *>(w); shown && shown->isVisible())
                    shown->Command1_Click();
            }
            bringToFront(&monthView);
        }
        // A message box of the program stays in front of the month view.
        if (QWidget *modal = QApplication::activeModalWidget())
            bringToFront(modal);
    });
    QObject::connect(&monthView, &Form1::unloaded, &instance, &SingleInstance::stop);
}

void shutDownOnRequest(Form1 &monthView, ShutdownSignals &caught)
{
    QObject::connect(&caught, &ShutdownSignals::received, &monthView, [&monthView] {
        monthView.endSession([] { return false; });
        QCoreApplication::exit(0);
    });
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &monthView,
        [&monthView](QSessionManager &manager) {
            if (monthView.hasEnded())
                return;
            const bool ended = monthView.endSession([&manager] { return manager.allowsInteraction(); });
            if (!ended)
                manager.cancel();
            manager.release();
            if (ended)
                QCoreApplication::exit(0);
        },
        Qt::DirectConnection);
}

int runProgram(const Platform &platform, int argc, const char *const *argv)
{
    const bool remind = reminder::isRemindCommand(argc, argv);
    SingleInstance instance(platform.workingFolder);
    switch (instance.start(!remind)) {
    case SingleInstance::Start::First:
        if (!instance.error().isEmpty()) {
            std::fprintf(stderr, "kalivo: another start in this folder may open a second window (%s)\n",
                         qPrintable(instance.error()));
        }
        break;
    case SingleInstance::Start::Running:
        return remind ? remindBesideRunning(platform, instance) : 0;
    case SingleInstance::Start::NoAnswer:
        return tellNoAnswer(platform);
    }

    // Caught from here on: the month view is about to hold typed notes.
    ShutdownSignals caught;
    Form1 form(platform);
    bringUpOnRequest(form, instance);
    shutDownOnRequest(form, caught);
    if (!startProgram(form, argc, argv))
        return 0;
    return QApplication::exec();
}
