#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray kBringUp = "bring-up";
const QByteArray kToday = "today";
const QByteArray kDone = "done";
const QByteArray kBehind = "behind";
// The longest line either side reads, with room for what a later version
// may add after the first word.
constexpr int kLongestLine = 1024;

void sleepMs(int ms)
{
    ::usleep(useconds_t(ms) * 1000);
}

int remainingMs(const QDeadlineTimer &deadline)
{
    return int(std::max<qint64>(deadline.remainingTime(), 0));
}

// A file descriptor, closed with the object.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
};

// An exclusive lock on a file, held for the object's life. Starts in one
// folder take their turns through it; the kernel lets go of it when a
// program dies.
class FolderLock
{
public:
    FolderLock(const QString &path, const QDeadlineTimer &deadline)
        : m_file(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        // Another start holds it for a connect or a listen, no longer.
        while (m_file.fd >= 0 && ::flock(m_file.fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || deadline.hasExpired())
                return;
            sleepMs(5);
        }
    }

private:
    Descriptor m_file;
};

// The value of an environment variable that names an absolute path; empty
// otherwise.
QByteArray absoluteFromEnvironment(const char *name)
{
    const QByteArray value = qgetenv(name);
    return value.startsWith('/') ? value : QByteArray();
}

QByteArray home()
{
    QByteArray path = absoluteFromEnvironment("HOME");
    if (path.isEmpty()) {
        if (const passwd *user = ::getpwuid(::geteuid()))
            path = user->pw_dir;
    }
    return path;
}

// Why nobody but the user may create names in `path`; empty when so. It is
// a folder of the user's, not a link to one, with no rights for others.
QString notPrivate(const QByteArray &path)
{
    struct stat st = {};
    if (::lstat(path.constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("is not a folder");
    if (st.st_uid != ::geteuid())
        return QStringLiteral("belongs to another user");
    if (st.st_mode & 077)
        return QStringLiteral("is open to other users");
    return {};
}

// Short enough by construction: see m_address.
sockaddr_un socketAddress(const QByteArray &address)
{
    sockaddr_un a = {};
    a.sun_family = AF_UNIX;
    std::memcpy(a.sun_path, address.constData(), std::min(sizeof a.sun_path - 1, size_t(address.size())));
    return a;
}

// The words of a line of the exchange, up to its end.
QList<QByteArray> words(const QByteArray &line)
{
    QList<QByteArray> all = line.left(line.indexOf('\n')).split(' ');
    all.removeAll(QByteArray());
    return all;
}

// A token passes as one word of a line: visible ASCII, and not a word of
// the exchange itself.
bool passesAsWord(const QByteArray &token)
{
    if (token.isEmpty() || token.size() > 512 || token == kToday)
        return false;
    return std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

QByteArray requestLine(const SingleInstance::BringUp &request)
{
    QByteArray line = kBringUp;
    if (passesAsWord(request.activationToken))
        line += ' ' + request.activationToken;
    if (request.today)
        line += ' ' + kToday;
    return line + '\n';
}

enum class Reach {
    Connected,
    Nobody,   // nothing listens there: no socket, or one left by a program that died
    Busy,     // a program listens, but took no connection before the deadline
};

Reach reach(const QByteArray &address, Descriptor &connection, const QDeadlineTimer &deadline)
{
    connection.fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (connection.fd < 0)
        return Reach::Nobody;
    const sockaddr_un a = socketAddress(address);
    for (;;) {
        if (::connect(connection.fd, reinterpret_cast<const sockaddr *>(&a), sizeof a) == 0)
            return Reach::Connected;
        // EAGAIN: as many connections wait as the program lets wait.
        if (errno != EAGAIN && errno != EINTR)
            return Reach::Nobody;
        if (deadline.hasExpired())
            return Reach::Busy;
        sleepMs(5);
    }
}

enum class Ask { InFront, Behind, Nobody, Silent };

// Asks the program at the other end of `connection` for its month view.
// Nobody: it closed the connection unanswered, as a program that is ending
// does.
Ask ask(int connection, const SingleInstance::BringUp &bringUp, const QDeadlineTimer &deadline)
{
    const QByteArray request = requestLine(bringUp);
    if (::send(connection, request.constData(), size_t(request.size()), MSG_NOSIGNAL) != request.size())
        return Ask::Nobody;
    QByteArray line;
    while (!line.contains('\n')) {
        pollfd readable{connection, POLLIN, 0};
        const int ready = ::poll(&readable, 1, remainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return Ask::Silent;
        char bytes[256];
        const ssize_t n = ::read(connection, bytes, sizeof bytes);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0 || line.size() > kLongestLine)
            return Ask::Nobody;
        line.append(bytes, n);
    }
    const QList<QByteArray> answer = words(line);
    if (answer.value(0) != kDone)
        return Ask::Nobody;
    return answer.value(1) == kBehind ? Ask::Behind : Ask::InFront;
}

} // namespace

// One connection's answer: sent once, and the connection closed.
struct SingleInstance::Reply::Channel {
    int client = -1;
    ~Channel() { send(true); }
    void send(bool inFront)
    {
        if (client < 0)
            return;
        const QByteArray done = inFront ? kDone + '\n' : kDone + ' ' + kBehind + '\n';
        ::send(client, done.constData(), size_t(done.size()), MSG_NOSIGNAL);
        ::close(client);
        client = -1;
    }
};

void SingleInstance::Reply::answer(bool inFront) const
{
    if (m_channel)
        m_channel->send(inFront);
}

SingleInstance::SingleInstance(const QString &workingFolder, QObject *parent)
    : QObject(parent)
{
    const Place where = place(workingFolder);
    m_path = where.socket;
    m_error = where.error;
    if (m_path.isEmpty())
        return;
    m_address = QFile::encodeName(m_path);
    // A socket's address holds 107 bytes of path.
    if (m_address.size() < qsizetype(sizeof sockaddr_un::sun_path))
        return;
    m_openFolder = ::open(QFile::encodeName(where.folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_openFolder < 0) {
        m_error = QStringLiteral("cannot open %1: %2").arg(where.folder, QString::fromLocal8Bit(std::strerror(errno)));
        m_address.clear();
        return;
    }
    m_address = "/proc/self/fd/" + QByteArray::number(m_openFolder) + '/'
        + QFile::encodeName(QFileInfo(m_path).fileName());
}

SingleInstance::~SingleInstance()
{
    stop();
    if (m_openFolder >= 0)
        ::close(m_openFolder);
}

SingleInstance::Place SingleInstance::place(const QString &workingFolder)
{
    Place where;
    QString folder = QFileInfo(workingFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(workingFolder).absolutePath());
    QByteArray key = QFile::encodeName(folder);

    const QByteArray runtime = absoluteFromEnvironment("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && notPrivate(runtime).isEmpty()) {
        where.folder = QFile::decodeName(runtime);
    } else {
        // Without a runtime folder of the user's own: a folder in the
        // user's cache, where nobody else can create anything. The home
        // may be shared with other machines; each has sockets of its own.
        QByteArray cache = absoluteFromEnvironment("XDG_CACHE_HOME");
        if (cache.isEmpty())
            cache = home() + "/.cache";
        QDir().mkpath(QFile::decodeName(cache));
        const QByteArray own = cache + "/kalivo";
        if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST) {
            where.error = QStringLiteral("cannot create %1: %2")
                              .arg(QFile::decodeName(own), QString::fromLocal8Bit(std::strerror(errno)));
            return where;
        }
        if (const QString unsafe = notPrivate(own); !unsafe.isEmpty()) {
            where.error = QStringLiteral("%1 %2").arg(QFile::decodeName(own), unsafe);
            return where;
        }
        where.folder = QFile::decodeName(own);
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        key = QByteArray(host) + '\n' + key;
    }
    // A hash keeps the name short, and the same for every path.
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
    where.socket = where.folder + QLatin1String("/kalivo-") + QString::fromLatin1(digest.toHex().left(32));
    return where;
}

QString SingleInstance::socketPath(const QString &workingFolder)
{
    return place(workingFolder).socket;
}

SingleInstance::Start SingleInstance::start(bool bringUp, std::chrono::milliseconds patience)
{
    const BringUp request;
    return begin(bringUp ? &request : nullptr, patience);
}

SingleInstance::Start SingleInstance::start(const BringUp &request, std::chrono::milliseconds patience)
{
    return begin(&request, patience);
}

SingleInstance::Start SingleInstance::begin(const BringUp *request, std::chrono::milliseconds patience)
{
    if (m_address.isEmpty())
        return Start::First;
    const QDeadlineTimer deadline(patience);
    for (;;) {
        Descriptor connection;
        {
            const FolderLock lock(m_path + QLatin1String(".lock"), deadline);
            switch (reach(m_address, connection, deadline)) {
            case Reach::Busy:
                return Start::NoAnswer;
            case Reach::Nobody:
                listen();
                return Start::First;
            case Reach::Connected:
                break;
            }
        }
        if (!request)
            return Start::Running;
        switch (ask(connection.fd, *request, deadline)) {
        case Ask::InFront:
            return Start::Running;
        case Ask::Behind:
            return Start::Behind;
        case Ask::Silent:
            return Start::NoAnswer;
        case Ask::Nobody:
            // It was ending; the next turn finds the folder free, or the
            // start that took it meanwhile.
            if (deadline.hasExpired())
                return Start::NoAnswer;
            sleepMs(20);
            break;
        }
    }
}

SingleInstance::Start SingleInstance::askToBringUp(const BringUp &request, std::chrono::milliseconds patience)
{
    if (m_address.isEmpty())
        return Start::NoAnswer;
    const QDeadlineTimer deadline(patience);
    Descriptor connection;
    if (reach(m_address, connection, deadline) != Reach::Connected)
        return Start::NoAnswer;
    switch (ask(connection.fd, request, deadline)) {
    case Ask::InFront:
        return Start::Running;
    case Ask::Behind:
        return Start::Behind;
    default:
        return Start::NoAnswer;
    }
}

bool SingleInstance::listen()
{
    const QByteArray path = QFile::encodeName(m_path);
    // Under the lock, with nobody answering: whatever stands at the path
    // is left over.
    ::unlink(path.constData());
    Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    // The folder is the user's alone (0700), which guards the socket.
    const sockaddr_un a = socketAddress(m_address);
    if (listener.fd < 0 || ::bind(listener.fd, reinterpret_cast<const sockaddr *>(&a), sizeof a) != 0
        || ::listen(listener.fd, 16) != 0) {
        m_error = QStringLiteral("cannot listen at %1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat made = {};
    if (::stat(path.constData(), &made) == 0) {
        m_device = made.st_dev;
        m_inode = made.st_ino;
    }
    m_listener = std::exchange(listener.fd, -1);
    m_listening = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::serve);
    m_error.clear();
    return true;
}

void SingleInstance::serve()
{
    for (;;) {
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0)
            return;
        auto *readable = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connect(readable, &QSocketNotifier::activated, this, [this, client] { answer(client); });
        m_clients[client].readable = readable;
    }
}

void SingleInstance::answer(int client)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return;
    char bytes[256];
    const ssize_t n = ::read(client, bytes, sizeof bytes);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    QByteArray &line = found->second.received;
    if (n > 0)
        line.append(bytes, n);
    const bool complete = line.contains('\n');
    if (!complete && n > 0 && line.size() <= kLongestLine)
        return;

    // One request a connection: the line, or nothing when the other side
    // ended first or sent too much.
    const QList<QByteArray> request = complete ? words(line) : QList<QByteArray>();
    found->second.readable->setEnabled(false);
    found->second.readable->deleteLater();
    m_clients.erase(found);
    if (request.value(0) != kBringUp || m_listener < 0) {
        ::close(client);
        return;
    }
    // The token, when there is one, is the second word.
    BringUp bringUp;
    bringUp.today = request.contains(kToday);
    if (request.size() > 1 && request[1] != kToday)
        bringUp.activationToken = request[1];
    Reply reply;
    reply.m_channel = std::make_shared<Reply::Channel>();
    reply.m_channel->client = client;
    emit bringUpRequested(bringUp, reply);
}

void SingleInstance::stop()
{
    if (m_listener < 0)
        return;
    delete m_listening;
    m_listening = nullptr;
    // The socket goes only when it is still this program's: a start that
    // found it gone may have made one of its own meanwhile.
    const QByteArray path = QFile::encodeName(m_path);
    struct stat found = {};
    if (::stat(path.constData(), &found) == 0 && found.st_dev == m_device && found.st_ino == m_inode)
        ::unlink(path.constData());
    ::close(m_listener);
    m_listener = -1;
    // Starts whose requests were not read yet find the folder free.
    for (auto &[client, waiting] : m_clients) {
        delete waiting.readable;
        ::close(client);
    }
    m_clients.clear();
}
