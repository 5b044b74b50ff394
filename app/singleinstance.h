#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <map>
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
// A start asks in one line, "bring-up"; the program answers "done" once its
// month view is in front, and closes the connection. Words after the first
// of a line are passed over, so that a later start may add details, such as
// a token that lets the window take the focus, and still be understood.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The folder is compared by its canonical path: a link to it, or the
    // same folder reached another way, is the same folder.
    explicit SingleInstance(const QString &workingFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Start {
        First,        // this program listens now (or could not: see error())
        Running,      // another program holds the folder
        NoAnswer,     // another program holds the folder but did not answer in time
    };

    // Listens for the folder, or finds the program that does. With
    // bringUp, a program found is asked to bring its month view to the
    // front, and Running means it said it did. Gives up after `patience`.
    Start start(bool bringUp, std::chrono::milliseconds patience = std::chrono::seconds(3));

    // Asks the program that holds the folder to bring its month view to the
    // front. False when none answered; it may have ended meanwhile.
    bool askToBringUp(std::chrono::milliseconds patience = std::chrono::seconds(3));

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
    // Another start in the folder asks for the month view.
    void bringUpRequested();

private:
    struct Place {
        QString folder;
        QString socket;
        QString error;   // why there is no socket
    };
    static Place place(const QString &workingFolder);

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
