// Kalivo's benchmark. Every case is timed beside its floor, the least work
// the disk (or a bare Qt window) asks for the same job: each iteration runs
// the case and the floor once, in turns, and times them apart, and Google
// Benchmark runs the repetitions of all cases in random order. Whatever else
// the machine does falls on a case and its floor alike, and the table
// compares medians taken side by side.
//
// kalivo-bench [--quick] [--display :N --program PATH --floor-window PATH]
//   --quick      fewer repetitions, for a first look
//   --repetitions N, --min-time SECONDS: of each case
//   --startup-runs N: runs of each program for the start-up rows
//   --display    an X display without a window manager; with --program and
//                --floor-window it adds the start-up rows
#include "floors.h"
#include "startup.h"
#include "table.h"
#include "workfolder.h"

#include "calendar.h"
#include "form1.h"
#include "notesearch.h"
#include "notewatch.h"
#include "platform.h"
#include "remindertext.h"
#include "report.h"
#include "store.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The measured month and the date the program takes for today: a 31-day
// month, and a today with a note in every year from 1900 to this one (127).
constexpr int kMonth = 3;
constexpr int kYear = 2026;
constexpr int kToday = 14;
constexpr int kNextMonth = 4;   // where "Next Month >" leads
constexpr int kReportMonth = 5;

constexpr int kNoteSize = 2048;
constexpr int kReportNoteSize = 10240;
constexpr int kReminderNoteSize = 300;
constexpr int kOtherNotes = 50000;

struct Settings {
    int repetitions = 31;
    double minTime = 0.04;   // seconds per repetition
    int startupRuns = 41;
    QByteArray display;
    QString program;
    QString floorWindow;
};

// Everything the cases share: the generated folders and the paths the
// floors read, built once before any timing.
struct Fixture {
    QString month;       // working folder: the measured month and the next
    QString edit;        // the same, for the cases that save notes
    QString big;         // the same notes and 50,000 others
    QString mixed;       // 50,000 notes, a quarter of them UTF-8
    QString reminder;    // a note on today's date in every year 1900 ... today
    QString reports;     // the report month, notes of 10 KB
    QString startup;     // today's month by the real clock, for the real program

    std::vector<QByteArray> monthPaths;
    std::vector<QByteArray> nextMonthPaths;   // in `edit`
    std::vector<QByteArray> reminderPaths;
    std::vector<QByteArray> reportPaths;
    std::vector<char> buffer = std::vector<char>(1 << 16);
    long long pageSize = 0;
    QByteArray floorNote;   // what the floors write: a file beside the notes
    QByteArray floorPage;
    // Counts the edits of the saved note across repetitions, so that every
    // save writes a text other than the one on disk.
    unsigned edits = 0;
};

Fixture *fixture = nullptr;

// Milliseconds per iteration of each repetition, of every case and of its
// floor, by case name, and the first error.
class Collector : public benchmark::BenchmarkReporter
{
public:
    std::map<std::string, std::vector<double>> samples;
    std::map<std::string, std::vector<double>> floors;
    std::map<std::string, std::string> errors;

    bool ReportContext(const Context &) override { return true; }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const std::string &name = run.run_name.function_name;
            if (run.error_occurred) {
                errors.emplace(name, run.error_message);
                continue;
            }
            samples[name].push_back(run.counters.at("case_ms").value);
            floors[name].push_back(run.counters.at("floor_ms").value);
        }
        std::fputc('.', stderr);
        std::fflush(stderr);
    }
};

void failIf(benchmark::State &state, bool failed, const QString &what)
{
    if (failed)
        state.SkipWithError(what.toStdString().c_str());
}

using Step = std::function<void(benchmark::State &)>;

// One case and its floor. `prepare` runs untimed before every iteration (to
// type a note, to go back to the other window size); `step` is the
// program's work and `floor` the floor's, timed apart and run in turns, the
// case first in one iteration and the floor first in the next.
// settle, when given, runs untimed right after each step: work the step
// handed to another thread ends before the floor is timed, so the two never
// share the disk.
void addCase(const Settings &settings, const char *name, Step prepare, Step step, Step floor,
             Step settle = nullptr)
{
    benchmark::RegisterBenchmark(name, [prepare, step, floor, settle](benchmark::State &state) {
        using Clock = std::chrono::steady_clock;
        const auto timed = [&state](const Step &work) {
            const Clock::time_point start = Clock::now();
            work(state);
            return std::chrono::duration<double>(Clock::now() - start).count();
        };
        double caseSeconds = 0;
        double floorSeconds = 0;
        bool floorFirst = false;
        for (auto _ : state) {
            if (prepare)
                prepare(state);
            double c;
            double f;
            if (floorFirst) {
                f = timed(floor);
                c = timed(step);
                if (settle)
                    settle(state);
            } else {
                c = timed(step);
                if (settle)
                    settle(state);
                f = timed(floor);
            }
            floorFirst = !floorFirst;
            caseSeconds += c;
            floorSeconds += f;
            state.SetIterationTime(c + f);
        }
        state.counters["case_ms"] = benchmark::Counter(caseSeconds * 1e3, benchmark::Counter::kAvgIterations);
        state.counters["floor_ms"] = benchmark::Counter(floorSeconds * 1e3, benchmark::Counter::kAvgIterations);
    })
        ->UseManualTime()
        ->MinTime(settings.minTime)
        ->Repetitions(settings.repetitions);
}

// A note text that differs from the stored one in its last byte, so that
// every save has something to write. Line breaks as the editor holds them.
QString editedNote(unsigned round)
{
    QByteArray bytes = bench::noteText(kNoteSize, 7);
    bytes.back() = char('a' + round % 2);
    return QString::fromLatin1(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Month views as the program runs them, each on the offscreen platform with
// a working folder and a window size of its own.
struct Views {
    std::unique_ptr<Form1> render;   // `month` at the design size
    std::unique_ptr<Form1> layout;   // `month`, resized around 1920 x 1080
    std::unique_ptr<Form1> big;      // `big` at the design size
    std::unique_ptr<Form1> edit;     // `edit`: a note is typed and left
    std::unique_ptr<Form1> navigate; // `edit`: a note is typed, then "Next Month >"
    QStringList messages;            // what the windows would have told the user
};

Views *views = nullptr;

Platform platformFor(const QString &folder, QStringList *messages)
{
    Platform p;
    p.today = QDate(kYear, kMonth, kToday);
    p.workingFolder = folder;
    p.seedRandom = [] {};
    p.nextRandom = [] { return 0.5f; };
    p.openInViewer = [](const QString &, const Platform::ViewerFailed &) {};
    p.showMessage = [messages](QWidget *, const QString &, const QString &text) { *messages << text; };
    p.confirm = [](QWidget *, const QString &, const QString &) { return true; };
    return p;
}

std::unique_ptr<Form1> openView(const QString &folder, QSize size, QStringList *messages)
{
    auto form = std::make_unique<Form1>(platformFor(folder, messages));
    form->Form_Load();
    form->resize(size);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

// Typing goes to the active window only; the views take turns.
bool activate(Form1 &form)
{
    if (form.isActiveWindow())
        return true;
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

// The note box of the measured day.
QPlainTextEdit *todayBox(Form1 &form)
{
    return form.Text1(calendar::GetIndex(kToday, kMonth, kYear));
}

// Puts the focus into the note box of the measured day and "types" a new
// text there.
QPlainTextEdit *typeNote(benchmark::State &state, Form1 &form)
{
    const int k = calendar::GetIndex(kToday, kMonth, kYear);
    QPlainTextEdit *box = todayBox(form);
    failIf(state, !activate(form), QStringLiteral("the month view does not become active"));
    box->setFocus(Qt::MouseFocusReason);
    failIf(state, form.focusIndex() != k, QStringLiteral("the note box does not take the focus"));
    box->setPlainText(editedNote(++fixture->edits));
    // The window paints what changed before the user's next click, as it
    // does between two key strokes; a click must not find it still to do.
    QCoreApplication::processEvents();
    return box;
}

// The last timed step left the typed note on disk and the focus elsewhere.
void checkSaved(benchmark::State &state, Form1 &form)
{
    failIf(state, form.focusIndex() != 0, QStringLiteral("the note box kept the focus"));
    failIf(state, !form.unsavedNotes().isEmpty(), form.unsavedNotes().join(QLatin1Char(' ')));
    failIf(state, !views->messages.isEmpty(), views->messages.join(QLatin1Char(' ')));
}

// The saves' folder syncs, which the store runs on a thread of its own, are
// done.
void waitForDisk(benchmark::State &state, const Form1 &form)
{
    // The pruning of versions that a save with a version starts, too.
    QThreadPool::globalInstance()->waitForDone();
    const store::Result synced = form.notes().waitForDisk();
    failIf(state, !synced.ok(), synced.error);
}

// A save's floor: a note of the same size written crash-safely, as the
// store writes one (write, flush, rename), and nothing more.
void saveFloorNote(benchmark::State &state)
{
    static const QByteArray note = bench::noteText(kNoteSize, 7);
    failIf(state,
           bench::writeSyncRename(fixture->floorNote + ".tmp", fixture->floorNote, note.constData(), note.size()) < 0,
           QStringLiteral("write, fsync and rename failed"));
}

void readNotes(benchmark::State &state, const std::vector<QByteArray> &paths)
{
    failIf(state, bench::readFiles(paths, fixture->buffer) <= 0, QStringLiteral("reading the notes failed"));
}

void registerCases(const Settings &settings)
{
    // The month on screen rendered again, as every layout pass ends.
    addCase(settings, "render", nullptr,
            [](benchmark::State &) { views->render->ShowMonth(views->render->displayedMonth(), views->render->displayedYear()); },
            [](benchmark::State &state) { readNotes(state, fixture->monthPaths); });

    // The same in a folder with 50,000 other notes; its floor is the
    // rendering in the folder without them.
    addCase(settings, "render big", nullptr,
            [](benchmark::State &) { views->big->ShowMonth(views->big->displayedMonth(), views->big->displayedYear()); },
            [](benchmark::State &) { views->render->ShowMonth(views->render->displayedMonth(), views->render->displayedYear()); });

    // A real resize: the window changes size, every control moves, the note
    // boxes rewrap, and the month is rendered again. The way back to the
    // other size, and the painting in between, are not timed.
    addCase(settings, "layout",
            [](benchmark::State &) {
                views->layout->resize(1904, 1064);
                QCoreApplication::processEvents();
            },
            [](benchmark::State &) { views->layout->resize(1920, 1080); },
            [](benchmark::State &) { views->layout->ShowMonth(views->layout->displayedMonth(), views->layout->displayedYear()); });

    // A click on "Next Month >" while a typed note waits in its box: the box
    // loses the focus and saves, then the next month is rendered.
    addCase(settings, "next month",
            [](benchmark::State &state) {
                Form1 &form = *views->navigate;
                checkSaved(state, form);
                if (form.displayedMonth() != kMonth)
                    form.Command2_Click();
                typeNote(state, form);
            },
            [](benchmark::State &state) {
                Form1 &form = *views->navigate;
                QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                failIf(state, form.displayedMonth() != kNextMonth, QStringLiteral("\"Next Month >\" did not move on"));
            },
            // The click must save crash-safely, so its floor writes the
            // note as the save row's floor does: write, flush, rename.
            [](benchmark::State &state) {
                readNotes(state, fixture->nextMonthPaths);
                saveFloorNote(state);
            },
            [](benchmark::State &state) { waitForDisk(state, *views->navigate); });

    // A typed note's box loses the focus, the editing's first save done:
    // the note is saved and nothing more.
    addCase(settings, "save",
            [](benchmark::State &state) {
                checkSaved(state, *views->edit);
                typeNote(state, *views->edit);
                views->edit->Timer1_Timer();
                waitForDisk(state, *views->edit);
                todayBox(*views->edit)->setPlainText(editedNote(++fixture->edits));
                QCoreApplication::processEvents();
            },
            [](benchmark::State &) {
                todayBox(*views->edit)->clearFocus();
            },
            [](benchmark::State &state) { saveFloorNote(state); },
            [](benchmark::State &state) { waitForDisk(state, *views->edit); });

    // The first save of an editing: the box, typed into, loses the focus;
    // the note it replaces is kept as a version, then the note is saved.
    addCase(settings, "first save",
            [](benchmark::State &state) {
                checkSaved(state, *views->edit);
                typeNote(state, *views->edit);
            },
            [](benchmark::State &) {
                todayBox(*views->edit)->clearFocus();
            },
            [](benchmark::State &state) { saveFloorNote(state); },
            [](benchmark::State &state) {
                waitForDisk(state, *views->edit);
                failIf(state, QDir(fixture->edit + QStringLiteral("/history/2026-03-14")).isEmpty(),
                       QStringLiteral("the first save kept no version"));
            });

    addCase(settings, "reminder", nullptr,
            [](benchmark::State &state) {
                const store::NoteStore notes(fixture->reminder);
                const QString text = reminder::ReminderText(kToday, kMonth, kYear, [&](qint16 year) {
                    return notes.GetData(kToday, kMonth, year);
                });
                benchmark::DoNotOptimize(text.size());
                failIf(state, text.isEmpty(), QStringLiteral("no reminder text"));
            },
            [](benchmark::State &state) { readNotes(state, fixture->reminderPaths); });

    // Pages of the last iteration are removed before the next, untimed.
    addCase(settings, "report",
            [](benchmark::State &) {
                for (const QString &page : QDir(fixture->reports + QStringLiteral("/temp")).entryList(QDir::Files))
                    QFile::remove(fixture->reports + QStringLiteral("/temp/") + page);
            },
            [](benchmark::State &state) {
                static unsigned draw = 1;
                static const std::function<float()> random = [] {
                    draw = draw * 1664525u + 1013904223u;
                    return float(draw >> 8) / 16777216.0f;
                };
                const store::NoteStore notes(fixture->reports);
                const report::Written page = report::WriteReport(fixture->reports, kReportMonth, kYear, notes, random);
                failIf(state, !page.error.isEmpty(), page.error);
            },
            [](benchmark::State &state) {
                static const QByteArray page(fixture->pageSize, 'x');
                readNotes(state, fixture->reportPaths);
                failIf(state, bench::writeFile(fixture->floorPage, page.constData(), page.size()) != page.size(),
                       QStringLiteral("writing the page failed"));
            });
}

// ---------------------------------------------------------------- find in notes

// Searches among 50,000 notes for a word that about three notes in four
// hold: the first search after start, which reads every note, against grep
// run as a process on the same folder; a further search, after a note
// changed, against one pass of memmem over the bytes of all notes. In the
// folder `big` every note is Windows-1252; in `mixed` a quarter are UTF-8.
struct Corpus {
    QString root;
    bool utf8 = false;       // a quarter of the notes are UTF-8
    std::unique_ptr<notesearch::NoteSearch> first;   // made anew before each first search
    std::unique_ptr<notesearch::NoteSearch> kept;    // read once, kept current by the watch
    std::unique_ptr<notesearch::NoteWatch> watch;
    QByteArray notes;        // the bytes of every note, one after another
    bool reported = false;   // the watch told of the last change
    unsigned changes = 0;
};

struct Searches {
    Corpus plain;
    Corpus mixed;
};

Searches *searches = nullptr;
constexpr char kSearchWord[] = "dentist";
const QString kSearchText = QStringLiteral("Dentist");
const QDate kChangedNote(1990, 5, 17);   // one of the 50,000

qsizetype runSearch(notesearch::NoteSearch &search, const QString &text)
{
    qsizetype hits = 0;
    QEventLoop loop;
    QObject::connect(&search, &notesearch::NoteSearch::found, &loop,
                     [&hits](const notesearch::Batch &batch) { hits += qsizetype(batch.hits.size()); });
    QObject::connect(&search, &notesearch::NoteSearch::finished, &loop, &QEventLoop::quit);
    search.start(text);
    if (search.isRunning())
        loop.exec();
    return hits;
}

// grep -rliF WORD data, its output thrown away. 0 on success.
int runGrep(const QByteArray &data)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>("grep"), const_cast<char *>("-rliF"), const_cast<char *>(kSearchWord),
                    const_cast<char *>(data.constData()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "grep", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads every note of the corpus for the floor of the further search, and
// reads the kept search's notes once; untimed.
QString prepareSearches(Corpus &c)
{
    const QString data = c.root + QStringLiteral("/data");
    for (const QString &name : QDir(data).entryList(QDir::Files)) {
        QFile note(data + QLatin1Char('/') + name);
        if (!note.open(QIODevice::ReadOnly))
            return note.errorString();
        c.notes += note.readAll();
    }
    c.kept = std::make_unique<notesearch::NoteSearch>(data);
    c.watch = std::make_unique<notesearch::NoteWatch>(data);
    notesearch::followWatch(*c.kept, *c.watch);
    QObject::connect(c.watch.get(), &notesearch::NoteWatch::changed, c.kept.get(), [&c] { c.reported = true; });
    if (runSearch(*c.kept, kSearchText) == 0)
        return QStringLiteral("the search found nothing");
    return QString();
}

void registerSearchCases(const Settings &settings, Corpus &c, const char *first, const char *further)
{
    Corpus *corpus = &c;
    addCase(settings, first,
            [corpus](benchmark::State &) {
                corpus->first.reset();
                corpus->first = std::make_unique<notesearch::NoteSearch>(corpus->root + QStringLiteral("/data"));
            },
            [corpus](benchmark::State &state) {
                failIf(state, runSearch(*corpus->first, kSearchText) == 0, QStringLiteral("nothing found"));
            },
            [corpus](benchmark::State &state) {
                failIf(state, runGrep(QFile::encodeName(corpus->root + QStringLiteral("/data"))) != 0,
                       QStringLiteral("grep failed"));
            });

    // Untimed: a note changes outside and the watch tells of it.
    addCase(settings, further,
            [corpus](benchmark::State &state) {
                corpus->reported = false;
                const unsigned change = ++corpus->changes;
                const QByteArray text = (corpus->utf8 ? bench::noteTextUtf8(300, change, int(change / 2 % 2))
                                                      : bench::noteText(300, change))
                    + (change % 2 ? " dentist" : " no word");
                failIf(state, !bench::writeNote(corpus->root, kChangedNote, text).isEmpty(),
                       QStringLiteral("changing a note failed"));
                QElapsedTimer waited;
                waited.start();
                while (!corpus->reported && waited.elapsed() < 5000)
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
                failIf(state, !corpus->reported, QStringLiteral("the watch did not report the change"));
            },
            [corpus](benchmark::State &state) {
                failIf(state, runSearch(*corpus->kept, kSearchText) == 0, QStringLiteral("nothing found"));
            },
            [corpus](benchmark::State &state) {
                const QByteArray &notes = corpus->notes;
                qsizetype found = 0;
                for (const char *at = notes.constData(), *end = at + notes.size();
                     (at = static_cast<const char *>(::memmem(at, size_t(end - at), kSearchWord, 7))); ++at)
                    ++found;
                failIf(state, found == 0, QStringLiteral("memmem found nothing"));
            });
}

void addSearchRows(const std::function<bench::Row(const QString &, const char *, bench::Budget)> &row,
                   std::vector<bench::Row> &rows)
{
    rows.push_back(row(QStringLiteral("find in notes: first search"), "first search", {bench::Budget::TimesFloor, 1}));
    rows.push_back(row(QStringLiteral("find in notes: further search"), "further search", {bench::Budget::AtMost, 20}));
    rows.push_back(bench::Row{QStringLiteral("find in notes: notes kept in memory"), QStringLiteral("MB"),
                              {searches->plain.kept->keptBytes() / 1e6}, {searches->plain.notes.size() / 1e6},
                              {bench::Budget::TimesFloor, 1.1}, {}});
    rows.push_back(row(QStringLiteral("first search, 1/4 of notes UTF-8"), "first search utf8",
                       {bench::Budget::TimesFloor, 1}));
    rows.push_back(row(QStringLiteral("further search, 1/4 UTF-8"), "further search utf8", {bench::Budget::AtMost, 20}));
    rows.push_back(bench::Row{QStringLiteral("notes kept in memory, 1/4 UTF-8"), QStringLiteral("MB"),
                              {searches->mixed.kept->keptBytes() / 1e6}, {searches->mixed.notes.size() / 1e6},
                              {bench::Budget::TimesFloor, 1.1}, {}});
}

QString prepare(const QString &root, Fixture &f)
{
    f.month = root + QStringLiteral("/month");
    f.edit = root + QStringLiteral("/edit");
    f.big = root + QStringLiteral("/big");
    f.mixed = root + QStringLiteral("/mixed");
    f.reminder = root + QStringLiteral("/reminder");
    f.reports = root + QStringLiteral("/reports");
    f.startup = root + QStringLiteral("/startup");
    QString error;
    const auto step = [&error](const QString &result) {
        if (error.isEmpty())
            error = result;
    };
    for (const QString &folder : {f.month, f.edit, f.big, f.mixed, f.reminder, f.reports, f.startup})
        step(bench::makeWorkingFolder(folder));
    for (const QString &folder : {f.month, f.edit, f.big}) {
        step(bench::writeMonth(folder, kMonth, kYear, kNoteSize));
        step(bench::writeMonth(folder, kNextMonth, kYear, kNoteSize));
    }
    step(bench::writeOtherNotes(f.big, kOtherNotes,
                                {QDate(kYear, kMonth, 1), QDate(kYear, kNextMonth, 1)}));
    step(bench::writeOtherNotes(f.mixed, kOtherNotes, {}, true));
    for (int year = 1900; year <= kYear; ++year)
        step(bench::writeNote(f.reminder, QDate(year, kMonth, kToday),
                              bench::noteText(kReminderNoteSize, unsigned(year))));
    step(bench::writeMonth(f.reports, kReportMonth, kYear, kReportNoteSize));
    const QDate today = QDate::currentDate();
    step(bench::writeMonth(f.startup, today.month(), today.year(), kNoteSize));

    f.floorNote = QFile::encodeName(f.edit) + "/data/floor.txt";
    f.floorPage = QFile::encodeName(f.reports) + "/temp/floor.htm";
    f.monthPaths = bench::monthPaths(f.month, kMonth, kYear);
    f.nextMonthPaths = bench::monthPaths(f.edit, kNextMonth, kYear);
    f.reportPaths = bench::monthPaths(f.reports, kReportMonth, kYear);
    for (int year = kYear; year >= 1900; --year)
        f.reminderPaths.push_back(QFile::encodeName(f.reminder + QLatin1Char('/')
                                                    + store::NoteStore::GetFileName(kToday, kMonth, qint16(year))));
    const store::NoteStore reportNotes(f.reports);
    f.pageSize = report::BuildPage(kReportMonth, kYear, [&](qint16 day) {
                     return reportNotes.GetBytes(day, kReportMonth, kYear).bytes;
                 }).size();
    return error;
}

// Start-up of the program and of the bare window, alternating, after one
// warm-up run of each that fills the page cache.
void measureStartup(const Settings &settings, const Fixture &f, std::vector<bench::Row> &rows)
{
    bench::Row time{QStringLiteral("start-up: exec to window shown"), QStringLiteral("ms"), {}, {},
                    {bench::Budget::TimesFloor, 1.1}, {}};
    bench::Row memory{QStringLiteral("resident memory after first rendering"), QStringLiteral("MB"), {}, {},
                      {bench::Budget::FloorPlus, 2}, {}};
    if (settings.display.isEmpty()) {
        time.error = memory.error = QStringLiteral("no X server to start the programs on");
        rows.push_back(time);
        rows.push_back(memory);
        return;
    }
    bench::StartupTimer timer(settings.display);
    const bench::Launch program{settings.program, {}, f.startup, "Kalivo 1.0"};
    const bench::Launch floor{settings.floorWindow, {}, f.startup, "Kalivo 1.0"};
    for (int i = -1; i < settings.startupRuns && time.error.isEmpty(); ++i) {
        const bool programFirst = i % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isProgram = (turn == 0) == programFirst;
            const bench::StartupSample s = timer.run(isProgram ? program : floor);
            if (!s.error.isEmpty()) {
                time.error = memory.error = s.error;
                break;
            }
            if (i < 0)
                continue;
            (isProgram ? time.samples : time.floor).push_back(s.msToMapped);
            (isProgram ? memory.samples : memory.floor).push_back(s.rssMB);
        }
        std::fputc('.', stderr);
    }
    rows.push_back(time);
    rows.push_back(memory);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readAll().split(' ').mid(0, 3).join(' '));
}

QString cpuModel()
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n'))
            if (line.startsWith("model name"))
                return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
    }
    return QStringLiteral("unknown processor");
}

bool parse(int &argc, char **argv, Settings &s)
{
    int out = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (arg == "--quick") {
            s.repetitions = 7;
            s.minTime = 0.01;
            s.startupRuns = 5;
        } else if (arg == "--repetitions" && hasValue) {
            s.repetitions = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--min-time" && hasValue) {
            s.minTime = std::atof(argv[++i]);
        } else if (arg == "--startup-runs" && hasValue) {
            s.startupRuns = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--display" && hasValue) {
            s.display = argv[++i];
        } else if (arg == "--program" && hasValue) {
            s.program = QFileInfo(QString::fromLocal8Bit(argv[++i])).absoluteFilePath();
        } else if (arg == "--floor-window" && hasValue) {
            s.floorWindow = QFileInfo(QString::fromLocal8Bit(argv[++i])).absoluteFilePath();
        } else if (arg.startsWith("--benchmark_")) {
            argv[out++] = argv[i];
        } else {
            std::fprintf(stderr, "kalivo-bench: unknown argument %s\n", argv[i]);
            return false;
        }
    }
    argc = out;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    Settings settings;
    if (!parse(argc, argv, settings))
        return 2;
    QElapsedTimer clock;
    clock.start();

    // The windows live on the offscreen platform: no display, no painting
    // on a screen, the same widget work.
    std::vector<char *> qtArgs{argv[0], const_cast<char *>("-platform"), const_cast<char *>("offscreen")};
    int qtArgc = int(qtArgs.size());
    QApplication app(qtArgc, qtArgs.data());

    QTemporaryDir root;
    if (!root.isValid()) {
        std::fprintf(stderr, "kalivo-bench: cannot create a temporary folder\n");
        return 1;
    }
    Fixture f;
    fixture = &f;
    const QString loadBefore = loadAverage();
    if (const QString error = prepare(root.path(), f); !error.isEmpty()) {
        std::fprintf(stderr, "kalivo-bench: %s\n", qPrintable(error));
        return 1;
    }
    const double prepareSeconds = clock.elapsed() / 1000.0;

    Views v;
    views = &v;
    const QSize designSize(794, 568);
    v.render = openView(f.month, designSize, &v.messages);
    v.layout = openView(f.month, QSize(1920, 1080), &v.messages);
    v.big = openView(f.big, designSize, &v.messages);
    v.edit = openView(f.edit, designSize, &v.messages);
    v.navigate = openView(f.edit, designSize, &v.messages);
    if (!v.render || !v.layout || !v.big || !v.edit || !v.navigate) {
        std::fprintf(stderr, "kalivo-bench: a month view was not shown\n");
        return 1;
    }
    registerCases(settings);
    Searches searchesOfRun;
    searches = &searchesOfRun;
    searchesOfRun.plain.root = f.big;
    searchesOfRun.mixed.root = f.mixed;
    searchesOfRun.mixed.utf8 = true;
    for (Corpus *corpus : {&searchesOfRun.plain, &searchesOfRun.mixed}) {
        if (const QString error = prepareSearches(*corpus); !error.isEmpty()) {
            std::fprintf(stderr, "kalivo-bench: %s\n", qPrintable(error));
            return 1;
        }
    }
    registerSearchCases(settings, searchesOfRun.plain, "first search", "further search");
    registerSearchCases(settings, searchesOfRun.mixed, "first search utf8", "further search utf8");

    std::vector<char *> benchArgs(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    benchArgs.insert(benchArgs.begin() + 1, interleave);
    int benchArgc = int(benchArgs.size());
    benchmark::Initialize(&benchArgc, benchArgs.data());
    Collector collector;
    std::fprintf(stderr, "Measuring");
    benchmark::RunSpecifiedBenchmarks(&collector);

    const auto row = [&collector](const QString &title, const char *name, bench::Budget budget) {
        const auto error = collector.errors.find(name);
        return bench::Row{title, QStringLiteral("ms"), collector.samples[name], collector.floors[name], budget,
                          error == collector.errors.end() ? QString() : QString::fromStdString(error->second)};
    };
    std::vector<bench::Row> rows;
    // Every budget is a multiple of the floor measured in the same run: a
    // slower machine or a busier disk moves both alike.
    rows.push_back(row(QStringLiteral("render a month, 31 notes of 2 KB"), "render", {bench::Budget::TimesFloor, 3}));
    rows.push_back(row(QStringLiteral("\"Next Month >\" after typing"), "next month", {bench::Budget::TimesFloor, 3}));
    rows.push_back(row(QStringLiteral("layout pass at 1920 x 1080"), "layout", {bench::Budget::TimesFloor, 3.5}));
    rows.push_back(row(QStringLiteral("crash-safe save on focus loss"), "save", {bench::Budget::TimesFloor, 1.5}));
    rows.push_back(row(QStringLiteral("first save of an editing"), "first save", {bench::Budget::TimesFloor, 2.5}));
    rows.push_back(row(QStringLiteral("reminder text, notes in 127 years"), "reminder", {bench::Budget::TimesFloor, 3}));
    rows.push_back(row(QStringLiteral("month report, 31 notes of 10 KB"), "report", {bench::Budget::TimesFloor, 3}));
    rows.push_back(row(QStringLiteral("render among 50,000 other notes"), "render big", {bench::Budget::TimesFloor, 1.3}));
    addSearchRows(row, rows);

    if (!settings.program.isEmpty() && !settings.floorWindow.isEmpty()) {
        // Tens of thousands of notes written above are still on their way
        // to the disk; the programs start after they land, not behind them.
        ::sync();
        measureStartup(settings, f, rows);
    }
    std::fputc('\n', stderr);

    std::printf("Kalivo benchmark: %s, %u logical cores, %s\n", qPrintable(cpuModel()),
                std::thread::hardware_concurrency(), qPrintable(QSysInfo::prettyProductName()));
    std::printf("Load average before %s, after %s. Notes generated in %.1f s.\n",
                qPrintable(loadBefore), qPrintable(loadAverage()), prepareSeconds);
    std::printf("Medians of %d repetitions (start-up: %d runs each). Floor: the same work done with\n"
                "plain system calls, or by a bare Qt window, in turns with the case. Noise: half the\n"
                "interquartile range of the case's and of the floor's samples.\n\n",
                settings.repetitions, settings.startupRuns);
    const QString table = bench::formatTable(rows);
    std::fputs(qPrintable(table), stdout);

    bool allOk = true;
    for (const bench::Row &r : rows)
        allOk = allOk && bench::judge(r).ok;
    std::printf("\n%s in %.0f s.\n", allOk ? "Every case within budget" : "Some cases over budget",
                clock.elapsed() / 1000.0);
    return allOk ? 0 : 1;
}
