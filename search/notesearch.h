#pragma once

#include "matching.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QtGlobal>

#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <vector>

// Finding text in every note of every year. The notes are read once, on a
// few threads, and kept in memory as their own bytes, Windows-1252 or UTF-8
// as the store reads them; later searches run over what is kept, brought up
// to date by the dates reported as changed.
namespace notesearch {

class NoteWatch;

// The search over one notes folder. Nothing is read before the first
// prepare() or start(); then the folder is listed and every note read on a
// few threads, newest first, and the hits of each block of notes come out
// as soon as it is read. The notes stay in memory, and later searches run
// over them on the same threads. A date reported as changed is read again
// before the next search; a report of "everything" reads the folder anew.
// All signals come on the thread that owns the search.
class NoteSearch : public QObject
{
    Q_OBJECT

public:
    // dataFolder: the notes folder, data/ of the working folder. threads: 0
    // for as many as there are cores, two to four.
    explicit NoteSearch(const QString &dataFolder, int threads = 0, QObject *parent = nullptr);
    ~NoteSearch() override;

    // Starts reading the notes, when they are not read yet.
    void prepare();

    // Starts a search for `text`, ending the one running. found() gives its
    // hits in order, finished() says it is complete. An empty text finds
    // nothing and finishes at once.
    void start(const QString &text);
    bool isRunning() const { return m_running; }

    // Notes written, created or deleted since they were read.
    void notesChanged(const std::vector<Date> &dates, bool everything);
    // Forgets what was read: the next search reads the whole folder again.
    void forget();

    // Bytes that the kept notes take in memory.
    qsizetype keptBytes() const;
    // Why the notes could not be read at the last reading: the folder could
    // not be listed, or memory ran out. Empty when they could, or when the
    // folder does not exist.
    QString folderError() const { return m_folderError; }

signals:
    void found(const notesearch::Batch &batch);
    void finished();

private:
    struct Load;
    struct Match;

    void startLoad();
    void listed(quint64 load, int blocks, const QString &error);
    void blockRead(quint64 load, int index, std::shared_ptr<const Block> block);
    void readChanged();
    void pump();
    void matched(quint64 generation, int job, std::shared_ptr<std::vector<Batch>> batches);
    void finishIfDone();
    void giveUp();

    QByteArray m_folder;
    int m_threads;
    QThreadPool m_readers;     // reading the notes
    QThreadPool m_matchers;    // searching what is read, never waiting behind the reading

    enum class State { Unread, Reading, Read };
    State m_state = State::Unread;
    quint64 m_load = 0;                         // the reading going on; older ones' blocks are dropped
    std::shared_ptr<Load> m_reading;
    int m_blockCount = -1;                      // of the reading going on; -1 before the listing
    std::map<int, std::shared_ptr<const Block>> m_early;   // read before the blocks ahead of them
    std::vector<std::shared_ptr<const Block>> m_blocks;    // newest first; all of them once Read
    std::set<Date> m_changed;                   // to read again
    bool m_readAll = false;                     // the whole folder, at the next search
    QString m_folderError;

    // The search going on.
    std::shared_ptr<const Pattern> m_pattern;
    std::atomic<quint64> m_generation{0};
    bool m_running = false;
    std::size_t m_matchedBlocks = 0;            // blocks handed to the matchers
    int m_launched = 0;                         // matching jobs of this search so far
    int m_nextJob = 0;                          // the next whose hits go out
    std::map<int, std::shared_ptr<std::vector<Batch>>> m_done;
};

// Keeps a search current through a watch of its notes folder: each date it
// reports is read again before the next search, and a report of
// everything reads the folder anew.
void followWatch(NoteSearch &search, const NoteWatch &watch);

} // namespace notesearch
