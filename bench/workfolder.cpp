#include "workfolder.h"

#include "store.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {

namespace {

QString failure(const QByteArray &path, int err)
{
    return QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(err)));
}

QByteArray notePath(const QString &root, QDate date)
{
    return QFile::encodeName(root + QLatin1Char('/')
                             + store::NoteStore::GetFileName(qint16(date.day()), qint16(date.month()),
                                                             qint16(date.year())));
}

// A small linear congruential generator: the same folder on every run.
struct Lcg {
    unsigned state;
    unsigned next(unsigned bound)   // [0, bound)
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    }
};

// Words drawn from `words` until the text holds `size` bytes, in lines of
// about 45 to 65 characters (as `length` counts a word's characters),
// separated by CR LF.
template <typename Length>
QByteArray wordsInLines(const char *const *words, unsigned count, unsigned seed, int size, Length length)
{
    Lcg rng{seed};
    QByteArray text;
    text.reserve(size + 32);
    int lineLength = 0;
    while (text.size() < size) {
        if (!text.isEmpty()) {
            if (lineLength > 45 + int(rng.next(20))) {
                text += "\r\n";
                lineLength = 0;
            } else {
                text += ' ';
                ++lineLength;
            }
        }
        const char *word = words[rng.next(count)];
        text += word;
        lineLength += length(word);
    }
    return text;
}

} // namespace

QByteArray noteText(int size, unsigned seed)
{
    static const char *const words[] = {
        "meeting", "call",    "Maria",  "dentist", "at",      "10:30",  "renew",   "deposit",
        "premium", "due",     "bring",  "the",     "report",  "caf\xe9", "d\xe9j\xe0", "lunch",
        "with",    "project", "review", "birthday", "flowers", "train",  "\x80" "120", "pay",
        "rent",    "and",     "check",  "invoice", "M\xfcller", "plan", "for",     "week",
    };
    QByteArray text = wordsInLines(words, sizeof words / sizeof *words, seed * 2654435761u + 1, size,
                                   [](const char *word) { return int(std::strlen(word)); });
    text.truncate(size);
    // Never end on half a line break or on a blank.
    while (!text.isEmpty() && (text.endsWith('\r') || text.endsWith(' ')))
        text.back() = '.';
    return text;
}

QByteArray noteTextUtf8(int size, unsigned seed, int script)
{
    static const char *const words[2][32] = {
        {"встреча", "звонок", "Мария", "dentist", "в", "10:30", "продлить", "вклад",
         "премия", "срок", "принести", "отчёт", "кафе", "уже", "обед", "с",
         "проект", "обзор", "день рождения", "цветы", "поезд", "€120", "оплатить", "Maria",
         "аренда", "и", "проверить", "счёт", "Мюллер", "план", "на", "неделю"},
        {"会議", "電話", "マリア", "dentist", "で", "10:30", "更新", "預金",
         "保険料", "期限", "持参", "報告", "カフェ", "もう", "昼食", "と",
         "プロジェクト", "レビュー", "誕生日", "花", "電車", "€120", "支払い", "Maria",
         "家賃", "そして", "確認", "請求書", "ミュラー", "計画", "の", "週"},
    };
    QByteArray text = wordsInLines(words[script % 2], 32, seed * 2654435761u + 7, size,
                                   [](const char *word) { return int(QString::fromUtf8(word).size()); });
    // Cut at a character's start, never in a line break or after a blank,
    // and filled up to the size.
    qsizetype cut = size;
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.truncate(cut);
    while (!text.isEmpty() && (text.endsWith('\r') || text.endsWith(' ')))
        text.chop(1);
    text.append(QByteArray(size - text.size(), '.'));
    return text;
}

QString makeWorkingFolder(const QString &root)
{
    for (const char *sub : {"", "/data", "/temp"}) {
        const QByteArray path = QFile::encodeName(root) + sub;
        if (::mkdir(path.constData(), 0777) != 0 && errno != EEXIST)
            return failure(path, errno);
    }
    return QString();
}

QString writeNote(const QString &root, QDate date, const QByteArray &bytes)
{
    const QByteArray path = notePath(root, date);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return failure(path, errno);
    const ssize_t written = ::write(fd, bytes.constData(), size_t(bytes.size()));
    const int err = written == bytes.size() ? 0 : written < 0 ? errno : ENOSPC;
    if (::close(fd) != 0 || err != 0)
        return failure(path, err ? err : errno);
    return QString();
}

QString writeMonth(const QString &root, int month, int year, int size)
{
    const QDate first(year, month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const QString error = writeNote(root, QDate(year, month, day), noteText(size, unsigned(day + 31 * month + 372 * year)));
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

QString writeOtherNotes(const QString &root, int count, const std::vector<QDate> &skip, bool quarterUtf8)
{
    Lcg rng{12345};
    QDate date(1880, 1, 1);
    for (int written = 0; written < count; date = date.addDays(1)) {
        const QDate month(date.year(), date.month(), 1);
        if (std::find(skip.begin(), skip.end(), month) != skip.end())
            continue;
        const int size = 40 + int(rng.next(561));
        QByteArray note;
        if (!quarterUtf8 || written % 4 != 3)
            note = noteText(size, unsigned(written));
        else if (written % 16 != 15)
            note = noteTextUtf8(size, unsigned(written), written / 4 % 2);
        else
            note = "\xef\xbb\xbf" + noteTextUtf8(size - 3, unsigned(written), written / 4 % 2);
        const QString error = writeNote(root, date, note);
        if (!error.isEmpty())
            return error;
        ++written;
    }
    return QString();
}

std::vector<QByteArray> monthPaths(const QString &root, int month, int year)
{
    std::vector<QByteArray> paths;
    const QDate first(year, month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day)
        paths.push_back(notePath(root, QDate(year, month, day)));
    return paths;
}

} // namespace bench
