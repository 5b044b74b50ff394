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

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("Kalivo");

// How long a month view that was asked to come to the front waits for the
// window manager or the compositor to let it.
constexpr std::chrono::milliseconds kFrontPatience(1000);

// The program that holds the folder showed its month view, but the desktop
// kept it behind other windows: the user should know that it is open.
int tellBehind(const Platform &platform)
{
    std::fprintf(stderr, "kalivo: Kalivo is already open on %s; its window could not be brought to the front\n",
                 qPrintable(QDir::toNativeSeparators(platform.workingFolder)));
    return 0;
}

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
int remindBesideRunning(const Platform &platform, SingleInstance &instance, const QByteArray &activationToken)
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
    // The month view comes up on today's month, as the reminder is today's.
    const SingleInstance::BringUp request{activationToken, true};
    QObject::connect(reminder, &Form3::bringUpChosen, reminder, [&] {
        int status = 0;
        SingleInstance::Start answer = instance.askToBringUp(request);
        if (answer == SingleInstance::Start::NoAnswer)
            answer = instance.start(request);
        switch (answer) {
        case SingleInstance::Start::First:
            own = std::make_unique<Form1>(platform);
            bringUpOnRequest(*own, instance);
            shutDownOnRequest(*own, caught);
            own->Form_Load();
            own->show();
            break;
        case SingleInstance::Start::Running:
            break;
        case SingleInstance::Start::Behind:
            status = tellBehind(platform);
            break;
        case SingleInstance::Start::NoAnswer:
            status = tellNoAnswer(platform);
            break;
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
    QObject::connect(&instance, &SingleInstance::bringUpRequested, &monthView,
                     [&monthView](const SingleInstance::BringUp &request, const SingleInstance::Reply &reply) {
                         if (monthView.hasEnded())
                             return;
                         // A message box of the program stays in front of the
                         // month view, and takes the token.
                         QWidget *modal = QApplication::activeModalWidget();
                         // Before the month view is loaded, its start-up is
                         // still going on and shows it soon; only a message box
                         // of that start is up.
                         if (monthView.isLoaded()) {
                             for (QWidget *w : monthView.windows().windows()) {
                                 if (auto *shown = qobject_cast<Form3 *>(w); shown && shown->isVisible())
                                     shown->Command1_Click();
                             }
                             if (request.today)
                                 monthView.goToToday();
                             bringToFront(&monthView, modal ? QByteArray() : request.activationToken);
                         }
                         if (modal)
                             bringToFront(modal, request.activationToken);
                         QWidget *front = modal ? modal : &monthView;
                         if (!front->isVisible())
                             return;
                         whenInFront(front, kFrontPatience, [reply](bool inFront) { reply.answer(inFront); });
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
    // The desktop launched this start with a token for taking the focus,
    // which goes to the month view that comes to the front.
    const QByteArray activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    SingleInstance instance(platform.workingFolder);
    const SingleInstance::BringUp request{activationToken, false};
    switch (remind ? instance.start(false) : instance.start(request)) {
    case SingleInstance::Start::First:
        if (!instance.error().isEmpty()) {
            std::fprintf(stderr, "kalivo: another start in this folder may open a second window (%s)\n",
                         qPrintable(instance.error()));
        }
        break;
    case SingleInstance::Start::Running:
        return remind ? remindBesideRunning(platform, instance, activationToken) : 0;
    case SingleInstance::Start::Behind:
        return tellBehind(platform);
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
