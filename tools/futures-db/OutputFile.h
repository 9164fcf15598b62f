#pragma once

#include <functional>
#include <string>

#include <sys/types.h>

namespace tarvello::futuresdb {

// The calls that put a finished file in place: the new file is flushed to disk, renamed over the output
// and the folder flushed, so that a power loss leaves either the old file or the complete new one. A
// test records them or makes one fail. Each returns an empty text, or why it failed.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::string syncFile(const std::string &path);
    virtual std::string rename(const std::string &from, const std::string &to);
    virtual std::string syncFolder(const std::string &path);
};

// An exclusive lock on the name of an output, held from construction to destruction, so that two runs
// writing one output never interleave. It is an flock on OUT.lock beside the output: a file of its own,
// since the output itself is replaced by a rename while the lock is held. A run that finds the lock held
// is refused at once rather than waiting, and touches nothing.
//
// An existing output that is not a regular file (a FIFO, a device, a folder, a socket, or a link to one)
// is refused before anything is made: the rename would put a file in its place.
//
// The lock file holds a mark of its own, so that the tool tells its lock files from anything else of
// that name: it locks and removes only a regular file with that mark, one it made or one a stopped run
// left; anything else there (a file of the user's, a folder, a link, even a dangling one) is refused
// and left as it is. Once the lock is held, no other run is writing beside the output, so the temporary
// files of runs that are gone (exactly their naming, regular files, of no running process) are removed.
// The lock file is removed when the lock ends, and by the handler of removePartialFileOnSignal.
class OutputLock {
public:
    // afterOpen, when given, runs after each opening of the lock file, before it is locked (a test
    // changes what the name gives there).
    explicit OutputLock(std::string path, const std::function<void()> &afterOpen = {});
    ~OutputLock();
    OutputLock(const OutputLock &) = delete;
    OutputLock &operator=(const OutputLock &) = delete;

    bool held() const { return m_fd >= 0; }
    const std::string &path() const { return m_path; }
    const std::string &error() const { return m_error; } // why the lock is not held

private:
    enum class Attempt { Held, Again, Refused };
    Attempt tryLock(const std::function<void()> &afterOpen);

    std::string m_path;
    std::string m_lockPath;
    std::string m_error;
    int m_fd = -1;
    dev_t m_device = 0; // the lock file's identity, removed only while its name still gives it
    ino_t m_inode = 0;
};

// The temporary file of one run beside its output (OUT.partial-PID), made empty and of this run alone.
// While it lives, the handler of removePartialFileOnSignal removes it; its end removes it unless it was
// put in place.
class PartialFile {
public:
    explicit PartialFile(const OutputLock &lock);
    ~PartialFile();
    PartialFile(const PartialFile &) = delete;
    PartialFile &operator=(const PartialFile &) = delete;

    bool made() const { return m_made; }
    const std::string &path() const { return m_path; }
    const std::string &error() const { return m_error; } // why it was not made

    // Flushes the file, renames it over the output and flushes the folder. Returns why it failed, or an
    // empty text. An output that is no longer a regular file by then is refused, as the lock refuses it.
    std::string place(FileSystem &fileSystem);

private:
    std::string m_target;
    std::string m_path;
    std::string m_error;
    bool m_made = false;
    bool m_placed = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

// Makes SIGINT, SIGTERM, SIGHUP (a terminal closed) and SIGQUIT remove the temporary file of a write in
// progress and the lock file of an output before the process ends as the signal would, so that an
// interrupted run leaves nothing behind. A signal the process ignores (as under nohup) stays ignored. A
// program calls it once.
void removePartialFileOnSignal();

} // namespace tarvello::futuresdb
