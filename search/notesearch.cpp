#include "notesearch.h"

#include "notefile.h"
#include "notewatch.h"
#include "store.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace notesearch {

namespace {

// Notes per block: a block is read by one thread in a few milliseconds, and
// its hits go out together.
constexpr std::size_t kBlockNotes = 512;

// More changed notes than this are read again with the whole folder.
constexpr std::size_t kMostChanged = 2000;

// The name the note store gives a date, without "data/".
int fileNameOf(const Date &date, char *out, std::size_t size)
{
    return store::formatNoteName(out, size, date.day, date.month, date.year);
}

bool newerFirst(const Date &a, const Date &b)
{
    return b < a;
}

// What reading one note gave.
enum class Read { Note, Missing, Failed };

// Reads the note of `date` from the notes folder `dirfd` to the end of
// `text` (from `filled` on, growing it as needed), as the store reads a
// note: nothing of a file above the size limit, and the bytes of its text
// as the store's rule reads them, the mark of a UTF-8 file left out. On
// failure `error` says why, as the store would.
Read readNote(int dirfd, const Date &date, QByteArray &text, qsizetype &filled, QString &error, Kind &kind)
{
    const qsizetype start = filled;
    char name[store::kNoteNameSize];
    fileNameOf(date, name, sizeof name);
    const store::NoteFile file = store::NoteFile::open(dirfd, name);
    if (file.state() == store::NoteFile::State::NoNote)
        return Read::Missing;
    int err = file.error();
    if (file.isNote()) {
        const qsizetype need = filled + qsizetype(file.size()) + 1;
        if (text.size() < need)
            text.resize(std::max(need, text.size() * 2));
        err = store::readNote(file, text, filled);
    }
    if (err != 0) {
        error = store::readFailure(date.day, date.month, date.year, err, file.size());
        return Read::Failed;
    }
    const QByteArrayView bytes(text.constData() + start, filled - start);
    const store::Encoding encoding = store::encodingOf(bytes);
    if (encoding == store::Encoding::Utf8Marked) {
        std::memmove(text.data() + start, text.constData() + start + store::kUtf8MarkSize,
                     std::size_t(filled - start - store::kUtf8MarkSize));
        filled -= store::kUtf8MarkSize;
    }
    kind = kindOf(QByteArrayView(text.constData() + start, filled - start), encoding);
    return Read::Note;
}

// Appends a note's outcome to a block being built: its bytes, read to
// [start, filled) of the text, or why it could not be read.
void keep(Block &block, const Date &date, Read read, const QString &error, qsizetype start, qsizetype &filled,
          Kind kind)
{
    if (read == Read::Missing)
        return;
    KeptNote note;
    note.date = date;
    note.offset = start;
    note.kind = kind;
    if (read == Read::Failed) {
        note.error = qint32(block.errors.size());
        block.errors.push_back(error);
        filled = start;
    } else {
        note.size = quint32(filled - start);
    }
    if (block.text.size() <= filled)
        block.text.resize(filled + 4096);
    block.text[filled++] = '\n';
    block.notes.push_back(note);
}

void finish(Block &block, qsizetype filled)
{
    block.text.resize(filled);
    block.text.squeeze();
    block.notes.shrink_to_fit();
}

} // namespace

// ---------------------------------------------------------------- the search

// One reading of the folder, shared by the threads that read its blocks.
struct NoteSearch::Load {
    QByteArray folder;
    int dirfd = -1;
    std::vector<Date> entries;   // newest first
    std::atomic<bool> cancelled{false};

    ~Load()
    {
        if (dirfd >= 0)
            ::close(dirfd);
    }

    std::shared_ptr<const Block> read(std::size_t index) const
    {
        auto block = std::make_shared<Block>();
        const std::size_t from = index * kBlockNotes;
        const std::size_t to = std::min(entries.size(), from + kBlockNotes);
        block->notes.reserve(to - from);
        block->text.resize(64 * 1024);
        qsizetype filled = 0;
        for (std::size_t i = from; i < to; ++i) {
            const qsizetype start = filled;
            QString error;
            Kind kind = Kind::Windows1252;
            const Read read = readNote(dirfd, entries[i], block->text, filled, error, kind);
            keep(*block, entries[i], read, error, start, filled, kind);
        }
        finish(*block, filled);
        return block;
    }
};

NoteSearch::NoteSearch(const QString &dataFolder, int threads, QObject *parent)
    : QObject(parent)
    , m_folder(QFile::encodeName(dataFolder))
    , m_threads(threads > 0 ? threads : std::clamp(QThread::idealThreadCount(), 2, 4))
{
    m_readers.setMaxThreadCount(m_threads);
    m_matchers.setMaxThreadCount(m_threads);
}

NoteSearch::~NoteSearch()
{
    m_generation = ~quint64(0);
    if (m_reading)
        m_reading->cancelled = true;
    m_readers.waitForDone();
    m_matchers.waitForDone();
}

void NoteSearch::prepare()
{
    if (m_state == State::Unread)
        startLoad();
}

void NoteSearch::startLoad()
{
    if (m_reading)
        m_reading->cancelled = true;
    const quint64 id = ++m_load;
    m_state = State::Reading;
    m_blocks.clear();
    m_early.clear();
    m_blockCount = -1;
    m_changed.clear();
    m_readAll = false;
    m_matchedBlocks = 0;

    auto load = std::make_shared<Load>();
    load->folder = m_folder;
    m_reading = load;
    // A task that runs out of memory gives up what it was doing and says
    // so; an exception that left it would end the program.
    const auto outOfMemory = [this, id] {
        QMetaObject::invokeMethod(this, [this, id] {
            if (id == m_load)
                giveUp();
        }, Qt::QueuedConnection);
    };
    m_readers.start([this, load, id, outOfMemory] {
        try {
            int blocks = 0;
            QString error;
            bool keepIt = true;
            load->dirfd = ::open(load->folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            DIR *dir = load->dirfd >= 0 ? ::opendir(load->folder.constData()) : nullptr;
            if (!dir) {
                // No notes folder yet: nothing to find, and nothing kept, so
                // that the first note is found once it is written.
                keepIt = false;
                if (errno != ENOENT)
                    error = QCoreApplication::translate("search", "Cannot read data: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            } else {
                const auto closing = qScopeGuard([dir] { ::closedir(dir); });
                while (const dirent *e = ::readdir(dir)) {
                    const Date date = store::dateOfNoteName(e->d_name);
                    if (date.day != 0)
                        load->entries.push_back(date);
                }
                std::sort(load->entries.begin(), load->entries.end(), newerFirst);
                blocks = int((load->entries.size() + kBlockNotes - 1) / kBlockNotes);
            }
            QMetaObject::invokeMethod(
                this, [this, id, blocks, error, keepIt] { listed(id, keepIt ? blocks : -1, error); },
                Qt::QueuedConnection);
            for (int i = 0; i < blocks; ++i) {
                m_readers.start([this, load, id, i, outOfMemory] {
                    if (load->cancelled)
                        return;
                    try {
                        std::shared_ptr<const Block> block = load->read(std::size_t(i));
                        QMetaObject::invokeMethod(
                            this, [this, id, i, block] { blockRead(id, i, block); }, Qt::QueuedConnection);
                    } catch (const std::bad_alloc &) {
                        load->cancelled = true;
                        outOfMemory();
                    }
                });
            }
        } catch (const std::bad_alloc &) {
            load->cancelled = true;
            outOfMemory();
        }
    });
}

// Memory ran out while the notes were read or searched: what is kept goes,
// which gives the memory back, and the search ends with the reason. The
// next search reads the folder anew.
void NoteSearch::giveUp()
{
    if (m_reading)
        m_reading->cancelled = true;
    m_reading.reset();
    ++m_load;
    m_generation.fetch_add(1);
    m_state = State::Unread;
    m_blocks = {};
    m_early.clear();
    m_done.clear();
    m_changed.clear();
    m_readAll = false;
    m_blockCount = -1;
    m_matchedBlocks = 0;
    m_folderError = QCoreApplication::translate("search", "Not enough memory to search every note.");
    if (m_running) {
        m_running = false;
        emit finished();
    }
}

// blocks: -1 when nothing is kept.
void NoteSearch::listed(quint64 load, int blocks, const QString &error)
{
    if (load != m_load)
        return;
    m_folderError = error;
    m_blockCount = std::max(blocks, 0);
    if (blocks < 0) {
        m_state = State::Unread;
        m_reading.reset();
    } else if (blocks == 0) {
        m_state = State::Read;
        m_reading.reset();
    }
    pump();
}

void NoteSearch::blockRead(quint64 load, int index, std::shared_ptr<const Block> block)
{
    if (load != m_load)
        return;
    m_early.emplace(index, std::move(block));
    // Blocks go into the kept notes in order, whichever thread read them first.
    for (auto next = m_early.find(int(m_blocks.size())); next != m_early.end();
         next = m_early.find(int(m_blocks.size()))) {
        m_blocks.push_back(std::move(next->second));
        m_early.erase(next);
    }
    if (m_blockCount >= 0 && int(m_blocks.size()) == m_blockCount) {
        m_state = State::Read;
        m_reading.reset();
    }
    pump();
}

void NoteSearch::notesChanged(const std::vector<Date> &dates, bool everything)
{
    if (everything) {
        forget();
        return;
    }
    m_changed.insert(dates.begin(), dates.end());
}

// A reading going on may have read a note before it changed: the folder is
// read anew at the next search either way.
void NoteSearch::forget()
{
    m_changed.clear();
    m_readAll = true;
}

// Reads the changed notes again, on this thread: a few files. Each block
// that holds or would hold one of them is replaced by a copy that holds its
// note as it is now; searches that still show the old block keep it.
void NoteSearch::readChanged()
{
    if (m_readAll || m_changed.size() > kMostChanged) {
        startLoad();
        return;
    }
    const int dirfd = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd < 0) {
        startLoad();
        return;
    }
    // Each changed date goes to the first block whose oldest note is not
    // newer; older than every kept note, to the last block.
    std::map<std::size_t, std::vector<Date>> byBlock;
    for (auto d = m_changed.rbegin(); d != m_changed.rend(); ++d) {
        std::size_t target = 0;
        while (target + 1 < m_blocks.size() && (m_blocks[target]->notes.empty() || *d < m_blocks[target]->oldest()))
            ++target;
        byBlock[target].push_back(*d);   // newest first
    }
    m_changed.clear();
    if (m_blocks.empty())
        m_blocks.push_back(std::make_shared<Block>());

    for (const auto &[index, dates] : byBlock) {
        const Block &old = *m_blocks[index];
        auto block = std::make_shared<Block>();
        block->text.resize(old.text.size() + 4096);
        qsizetype filled = 0;
        auto changed = dates.begin();
        const auto copyOld = [&](const KeptNote &note) {
            const qsizetype start = filled;
            if (note.error >= 0) {
                keep(*block, note.date, Read::Failed, old.errors[std::size_t(note.error)], start, filled,
                     Kind::Windows1252);
                return;
            }
            if (block->text.size() < filled + note.size + 1)
                block->text.resize(filled + note.size + 4096);
            std::memcpy(block->text.data() + filled, old.text.constData() + note.offset, note.size);
            filled += note.size;
            keep(*block, note.date, Read::Note, QString(), start, filled, note.kind);
        };
        const auto readNew = [&](const Date &date) {
            const qsizetype start = filled;
            QString error;
            Kind kind = Kind::Windows1252;
            const Read read = readNote(dirfd, date, block->text, filled, error, kind);
            keep(*block, date, read, error, start, filled, kind);
        };
        for (const KeptNote &note : old.notes) {
            while (changed != dates.end() && note.date < *changed)
                readNew(*changed++);
            if (changed != dates.end() && *changed == note.date)
                readNew(*changed++);
            else
                copyOld(note);
        }
        while (changed != dates.end())
            readNew(*changed++);
        finish(*block, filled);
        m_blocks[index] = std::move(block);
    }
    ::close(dirfd);
}

void NoteSearch::start(const QString &text)
{
    m_generation.fetch_add(1);
    m_pattern = std::make_shared<const Pattern>(text);
    m_launched = 0;
    m_nextJob = 0;
    m_done.clear();
    m_matchedBlocks = 0;
    if (m_pattern->isEmpty()) {
        m_running = false;
        emit finished();
        return;
    }
    m_running = true;
    if (m_state == State::Unread) {
        startLoad();
    } else if (m_state == State::Read && (m_readAll || !m_changed.empty())) {
        try {
            readChanged();
        } catch (const std::bad_alloc &) {
            giveUp();
            return;
        }
    }
    pump();
}

// Hands the blocks read so far and not yet searched to the matchers, split
// into one job per thread of about equal bytes; the next blocks go once
// these are done, so that hits go out in order.
void NoteSearch::pump()
{
    if (!m_running || m_launched != m_nextJob)
        return;
    const std::size_t available = m_blocks.size();
    if (m_matchedBlocks >= available) {
        finishIfDone();
        return;
    }
    qsizetype bytes = 0;
    for (std::size_t i = m_matchedBlocks; i < available; ++i)
        bytes += m_blocks[i]->text.size();
    const int jobs = int(std::min<std::size_t>(std::size_t(m_threads), available - m_matchedBlocks));
    const quint64 generation = m_generation.load();
    std::size_t from = m_matchedBlocks;
    qsizetype sum = 0;
    for (int job = 0; job < jobs; ++job) {
        // [from, to): up to (job + 1) / jobs of the bytes, at least one
        // block, and one left for each later job.
        const std::size_t later = std::size_t(jobs - job - 1);
        const qsizetype share = bytes * (job + 1) / jobs;
        std::size_t to = from;
        do {
            sum += m_blocks[to]->text.size();
            ++to;
        } while (to < available - later && sum < share);
        std::vector<std::shared_ptr<const Block>> blocks(m_blocks.begin() + qsizetype(from),
                                                         m_blocks.begin() + qsizetype(to));
        const int id = m_launched++;
        m_matchers.start([this, generation, id, blocks = std::move(blocks), pattern = m_pattern] {
            try {
                auto batches = std::make_shared<std::vector<Batch>>();
                for (const auto &block : blocks) {
                    if (m_generation.load() != generation)
                        return;
                    batches->push_back(findInBlock(block, *pattern));
                }
                QMetaObject::invokeMethod(
                    this, [this, generation, id, batches] { matched(generation, id, batches); },
                    Qt::QueuedConnection);
            } catch (const std::bad_alloc &) {
                QMetaObject::invokeMethod(this, [this, generation] {
                    if (generation == m_generation.load())
                        giveUp();
                }, Qt::QueuedConnection);
            }
        });
        from = to;
    }
    m_matchedBlocks = available;
}

void NoteSearch::matched(quint64 generation, int job, std::shared_ptr<std::vector<Batch>> batches)
{
    if (generation != m_generation.load())
        return;
    m_done.emplace(job, std::move(batches));
    for (auto next = m_done.find(m_nextJob); next != m_done.end(); next = m_done.find(m_nextJob)) {
        const std::shared_ptr<std::vector<Batch>> ready = std::move(next->second);
        m_done.erase(next);
        ++m_nextJob;
        for (const Batch &batch : *ready) {
            if (batch.hits.empty())
                continue;
            emit found(batch);
            // A receiver may have started another search.
            if (generation != m_generation.load())
                return;
        }
    }
    pump();
}

void NoteSearch::finishIfDone()
{
    if (!m_running || m_launched != m_nextJob || m_matchedBlocks < m_blocks.size() || m_state == State::Reading)
        return;
    m_running = false;
    emit finished();
}

void followWatch(NoteSearch &search, const NoteWatch &watch)
{
    QObject::connect(&watch, &NoteWatch::changed, &search, [&search](const QSet<Date> &dates, bool everything) {
        search.notesChanged(std::vector<Date>(dates.cbegin(), dates.cend()), everything);
    });
}

qsizetype NoteSearch::keptBytes() const
{
    qsizetype bytes = qsizetype(m_blocks.capacity() * sizeof(std::shared_ptr<const Block>));
    for (const auto &block : m_blocks)
        bytes += block->memory();
    return bytes;
}

} // namespace notesearch
