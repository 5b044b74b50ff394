#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kBringUp = "bring-up\n";
const QByteArray kDone = "done\n";

// An exclusive lock on a file, held for the object's life. Starts in one
// folder take their turns through it; the kernel lets go of it when a
// program dies.
class FolderLock
{
public:
    FolderLock(const QString &path, const QDeadlineTimer &deadline)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return;
        // Another start holds it for a connect or a listen, no longer.
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || deadline.hasExpired()) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
            QThread::msleep(5);
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd = -1;
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

int remainingMs(const QDeadlineTimer &deadline)
{
    return int(std::max<qint64>(deadline.remainingTime(), 0));
}

} // namespace

SingleInstance::SingleInstance(const QString &workingFolder, QObject *parent)
    : QObject(parent)
{
    const Place where = place(workingFolder);
    m_path = where.socket;
    m_error = where.error;
}

SingleInstance::~SingleInstance()
{
    stop();
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
    // A hash keeps the name short: a socket's path has room for 107 bytes.
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
    where.socket = where.folder + QLatin1String("/kalivo-") + QString::fromLatin1(digest.toHex().left(32));
    if (QFile::encodeName(where.socket).size() > 107) {
        where.error = QStringLiteral("the path %1 is too long for a socket").arg(where.socket);
        where.socket.clear();
    }
    return where;
}

QString SingleInstance::socketPath(const QString &workingFolder)
{
    return place(workingFolder).socket;
}

SingleInstance::Start SingleInstance::start(bool bringUp, std::chrono::milliseconds patience)
{
    if (m_path.isEmpty())
        return Start::First;
    const QDeadlineTimer deadline(patience);
    for (;;) {
        {
            const FolderLock lock(m_path + QLatin1String(".lock"), deadline);
            QLocalSocket probe;
            probe.connectToServer(m_path);
            if (!probe.waitForConnected(remainingMs(deadline))) {
                if (probe.error() == QLocalSocket::SocketTimeoutError)
                    return Start::NoAnswer;
                // Nobody listens, or only a socket of a program that died.
                listen();
                return Start::First;
            }
            if (!bringUp)
                return Start::Running;
        }
        switch (ask(bringUp, std::chrono::milliseconds(remainingMs(deadline)))) {
        case Ask::Answered:
            return Start::Running;
        case Ask::Silent:
            return Start::NoAnswer;
        case Ask::Nobody:
            // It was ending; the next turn finds the folder free, or the
            // start that took it meanwhile.
            if (deadline.hasExpired())
                return Start::NoAnswer;
            QThread::msleep(20);
            break;
        }
    }
}

bool SingleInstance::askToBringUp(std::chrono::milliseconds patience)
{
    return !m_path.isEmpty() && ask(true, patience) == Ask::Answered;
}

SingleInstance::Ask SingleInstance::ask(bool bringUp, std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return socket.error() == QLocalSocket::SocketTimeoutError ? Ask::Silent : Ask::Nobody;
    if (!bringUp)
        return Ask::Answered;
    socket.write(kBringUp);
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return socket.state() == QLocalSocket::UnconnectedState ? Ask::Nobody : Ask::Silent;
    }
    return socket.readLine() == kDone ? Ask::Answered : Ask::Nobody;
}

bool SingleInstance::listen()
{
    // The runtime folder is the user's alone (0700), which guards the
    // socket; asking Qt for owner-only access on top costs a temporary
    // folder and a rename at every start.
    auto *server = new QLocalServer(this);
    // Under the lock, with nobody answering: whatever stands at the path
    // is left over.
    QLocalServer::removeServer(m_path);
    if (!server->listen(m_path)) {
        m_error = QStringLiteral("cannot listen at %1: %2").arg(m_path, server->errorString());
        delete server;
        return false;
    }
    m_server = server;
    m_error.clear();
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::serve);
    return true;
}

void SingleInstance::serve()
{
    while (QLocalSocket *client = m_server ? m_server->nextPendingConnection() : nullptr) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        const auto answer = [this, client] {
            if (!client->canReadLine())
                return;
            const QByteArray request = client->readLine();
            if (request == kBringUp && m_server) {
                emit bringUpRequested();
                client->write(kDone);
            }
            client->disconnectFromServer();
        };
        connect(client, &QLocalSocket::readyRead, this, answer);
        // The request may be in already.
        answer();
    }
}

void SingleInstance::stop()
{
    if (!m_server)
        return;
    // Closing removes the socket, and connections not yet taken go.
    m_server->close();
    delete m_server;
    m_server = nullptr;
}
