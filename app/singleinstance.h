#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <map>
#include <memory>
#include <sys/types.h>

class QSocketNotifier;

// One month view per working folder. The first start in a folder listens on
// a Unix socket named after the folder, in the user's runtime folder; a
// later start finds it there and asks that program to bring its month view
// to the front instead of opening a second one on the same notes.
//
// A socket that a crashed program left behind answers nobody: the next
// start removes it and listens itself. Starts that race each other take
// turns through a lock file beside the socket.
//
// A start asks in one line, "bring-up", followed by the token the desktop
// gave it for taking the focus, if any, and by "today" for today's month.
// The program answers "done" once its month view is up, "done behind" when
// the view could not come to the front, and closes the connection. Words
// after the first of a line that a program does not know are passed over,
// so that a later start may add details and still be understood.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // What a start asks of the program that holds the folder.
    struct BringUp {
        // The token the desktop launched this start with, which lets a
        // window take the focus (XDG_ACTIVATION_TOKEN, on Wayland). Empty:
        // none; one that cannot pass as a word is not passed.
        QByteArray activationToken;
        bool today = false;   // today's month, as "Bring up the Kalivo" asks
    };

    // The program's answer to one request, sent once: with answer(), or,
    // when no copy of it is left unanswered, as "up in front".
    class Reply
    {
    public:
        void answer(bool inFront) const;

    private:
        friend class SingleInstance;
        struct Channel;
        std::shared_ptr<Channel> m_channel;
    };

    // The folder is compared by its canonical path: a link to it, or the
    // same folder reached another way, is the same folder.
    explicit SingleInstance(const QString &workingFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,        // this program listens now (or could not: see error())
        Running,      // another program holds the folder
        Behind,       // and showed its month view, which could not come to the front
        NoAnswer,     // another program holds the folder but did not answer in time
    };

    // Listens for the folder, or finds the program that does. With
    // bringUp, a program found is asked to bring its month view to the
    // front, and Running means it said it did. Gives up after `patience`.
    Start start(bool bringUp, std::chrono::milliseconds patience = std::chrono::seconds(3));
    Start start(const BringUp &request, std::chrono::milliseconds patience = std::chrono::seconds(3));

    // Asks the program that holds the folder to bring its month view to the
    // front: Running or Behind as its answer says, NoAnswer when none
    // answered; it may have ended meanwhile.
    Start askToBringUp(const BringUp &request, std::chrono::milliseconds patience = std::chrono::seconds(3));

    // Takes no more requests; the next start in the folder is a first one.
    void stop();

    // Why this program could not listen, though it is the first: the month
    // view then opens without guarding its folder. Empty when it listens.
    QString error() const { return m_error; }

    // The socket's path: <runtime folder>/kalivo-<32 hex digits>, the digits
    // from the canonical path of the folder. Without a runtime folder that
    // is the user's alone, <cache folder>/kalivo/kalivo-<32 hex digits>,
    // the digits from the machine's name and the folder's path. Empty when
    // neither can be had.
    static QString socketPath(const QString &workingFolder);

signals:
    // Another start in the folder asks for the month view; `reply` is to be
    // answered once it is up.
    void bringUpRequested(const SingleInstance::BringUp &request, const SingleInstance::Reply &reply);

private:
    struct Place {
        QString folder;
        QString socket;
        QString error;   // why there is no socket
    };
    static Place place(const QString &workingFolder);

    Start begin(const BringUp *request, std::chrono::milliseconds patience);
    bool listen();
    void serve();
    void answer(int client);

    QString m_path;
    // What connect and bind are given: the path, or when that is longer
    // than a socket's address can be, a name of the same file through the
    // open folder in /proc.
    QByteArray m_address;
    int m_openFolder = -1;
    QString m_error;

    int m_listener = -1;
    dev_t m_device = 0;   // of the socket file this program made
    ino_t m_inode = 0;
    QSocketNotifier *m_listening = nullptr;
    struct Client {
        QSocketNotifier *readable = nullptr;
        QByteArray received;
    };
    std::map<int, Client> m_clients;
};
