#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
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

int remainingMs(const QDeadlineTimer &deadline)
{
    return int(std::max<qint64>(deadline.remainingTime(), 0));
}

} // namespace

SingleInstance::SingleInstance(const QString &workingFolder, QObject *parent)
    : QObject(parent)
    , m_path(socketPath(workingFolder))
{
}

SingleInstance::~SingleInstance()
{
    stop();
}

QString SingleInstance::socketPath(const QString &workingFolder)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    QString folder = QFileInfo(workingFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(workingFolder).absolutePath());
    // A hash keeps the name short: a socket's path has room for 107 bytes.
    const QByteArray digest = QCryptographicHash::hash(QFile::encodeName(folder), QCryptographicHash::Sha256);
    return runtime + QLatin1String("/kalivo-") + QString::fromLatin1(digest.toHex().left(32));
}

SingleInstance::Start SingleInstance::start(bool bringUp, std::chrono::milliseconds patience)
{
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("there is no runtime folder for the user");
        return Start::First;
    }
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
