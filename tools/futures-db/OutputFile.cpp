#include "OutputFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvello::futuresdb {

namespace {

std::string reason(int number)
{
    return std::strerror(number);
}

// The signals that end a run which must leave nothing behind.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// What a lock file of this tool holds, and nothing else.
constexpr char kLockMark[] = "futures-db lock\n";
constexpr std::size_t kLockMarkSize = sizeof kLockMark - 1;

// A file for the signal handler to remove: a fixed buffer, since a handler may not allocate, the file's
// identity, so that it goes only while the name still gives the file this run made, and a flag set only
// while the path in it is whole and the file is this run's to remove.
struct SignalPath {
    char path[4096];
    dev_t device = 0;
    ino_t inode = 0;
    std::atomic<bool> armed{false};
};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler reads the flag");

SignalPath g_partial;
SignalPath g_lock;

// Whether path still names the file of that identity (by lstat, which a signal handler may call).
bool namesFile(const char *path, dev_t device, ino_t inode)
{
    struct stat named {};
    return lstat(path, &named) == 0 && named.st_dev == device && named.st_ino == inode;
}

void removeIfArmed(const SignalPath &mark)
{
    if (mark.armed.load() && namesFile(mark.path, mark.device, mark.inode))
        unlink(mark.path);
}

extern "C" void removeFilesAndEnd(int number)
{
    removeIfArmed(g_partial);
    removeIfArmed(g_lock);
    // The handler has been reset to the default one: the signal now ends the process as it would have.
    raise(number);
}

void arm(SignalPath &mark, const std::string &path, dev_t device, ino_t inode)
{
    if (path.size() >= sizeof mark.path)
        return;
    std::memcpy(mark.path, path.c_str(), path.size() + 1);
    mark.device = device;
    mark.inode = inode;
    mark.armed.store(true);
}

// Holds back the ending signals from construction to destruction, so that a file made in between gets
// its content before a signal can end the run.
class EndingSignalsHeld {
public:
    EndingSignalsHeld()
    {
        sigset_t held;
        sigemptyset(&held);
        for (int number : kEndingSignals)
            sigaddset(&held, number);
        pthread_sigmask(SIG_BLOCK, &held, &m_previous);
    }
    ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld &) = delete;
    EndingSignalsHeld &operator=(const EndingSignalsHeld &) = delete;

private:
    sigset_t m_previous;
};

std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISLNK(mode))
        return "a symbolic link";
    return "not a regular file";
}

// Why an output at path cannot be replaced, or an empty text. The new file is renamed over the output,
// which would put a regular file in place of a FIFO, a device or a socket; none there (or a link that
// leads nowhere, which the rename replaces) is fine.
std::string outputRefusal(const std::string &path)
{
    struct stat target {};
    if (stat(path.c_str(), &target) != 0 || S_ISREG(target.st_mode))
        return {};
    struct stat entry {};
    const bool link = lstat(path.c_str(), &entry) == 0 && S_ISLNK(entry.st_mode);
    return "cannot write " + path + ": it is " + (link ? "a link to " : "") + kindOf(target.st_mode) +
           ", not a regular file, and is left as it is; name a price file to make or to replace";
}

std::string folderOf(const std::string &path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

std::string partialPrefix(const std::string &path)
{
    return path + ".partial-";
}

// Digits with no leading zero, as std::to_string writes a positive number, read from text at position;
// 0 when there are none.
long long countAt(const std::string &text, std::size_t &position)
{
    const std::size_t first = position;
    long long value = 0;
    while (position < text.size() && position - first < 10 && text[position] >= '0' && text[position] <= '9')
        value = value * 10 + (text[position++] - '0');
    return position == first || text[first] == '0' ? 0 : value;
}

// The process a temporary file is named after (prefix PID or prefix PID-N, as PartialFile names them),
// or 0 when name is not of that naming.
pid_t partialOwner(const std::string &name, const std::string &prefix)
{
    if (name.rfind(prefix, 0) != 0)
        return 0;
    std::size_t position = prefix.size();
    const long long pid = countAt(name, position);
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return 0;
    if (position < name.size()) {
        if (name[position] != '-')
            return 0;
        ++position;
        if (countAt(name, position) == 0)
            return 0;
    }
    return position == name.size() ? static_cast<pid_t>(pid) : 0;
}

bool runIsGone(pid_t pid)
{
    return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporary files beside path that runs which are gone left: only while the lock is held,
// when no other run is writing beside path.
void removeLeftPartials(const std::string &path)
{
    namespace fs = std::filesystem;
    const std::string prefix = fs::path(partialPrefix(path)).filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(path), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        const pid_t owner = partialOwner(it->path().filename().string(), prefix);
        if (owner != 0 && it->symlink_status(statusError).type() == fs::file_type::regular &&
            runIsGone(owner))
            unlink(it->path().c_str());
    }
}

bool holdsLockMark(int fd)
{
    char text[kLockMarkSize + 1];
    return pread(fd, text, sizeof text, 0) == static_cast<ssize_t>(kLockMarkSize) &&
           std::memcmp(text, kLockMark, kLockMarkSize) == 0;
}

} // namespace

std::string FileSystem::syncFile(const std::string &path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return reason(errno);
    const int rc = fsync(fd);
    const int number = errno;
    close(fd);
    return rc == 0 ? std::string() : reason(number);
}

std::string FileSystem::rename(const std::string &from, const std::string &to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? std::string() : reason(errno);
}

std::string FileSystem::syncFolder(const std::string &path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return reason(errno);
    const int rc = fsync(fd);
    const int number = errno;
    close(fd);
    // EINVAL: a file system that cannot flush a folder, whose renames need no flush of their own.
    return rc == 0 || number == EINVAL ? std::string() : reason(number);
}

OutputLock::OutputLock(std::string path, const std::function<void()> &afterOpen)
    : m_path(std::move(path)), m_lockPath(m_path + ".lock")
{
    m_error = outputRefusal(m_path);
    if (!m_error.empty())
        return;
    // A run that ends removes the lock file while it still holds it, so a file opened just before that
    // can be locked once it has no name: the lock counts only on the file the name still gives.
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A lock file is made with its mark and armed for the signal handler before a signal can end
        // the run, so that no stop leaves one unmarked or behind.
        const EndingSignalsHeld held;
        if (tryLock(afterOpen) != Attempt::Again)
            return;
    }
    m_error = "cannot lock " + m_path + ": " + m_lockPath + " keeps being replaced";
}

OutputLock::Attempt OutputLock::tryLock(const std::function<void()> &afterOpen)
{
    const std::string inTheWay = "cannot write " + m_path + ": " + m_lockPath + " is in the way: it is ";
    const std::string moveAway = "; move it away and run again";
    int fd = open(m_lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 && write(fd, kLockMark, kLockMarkSize) != static_cast<ssize_t>(kLockMarkSize)) {
        m_error = "cannot lock " + m_path + ": cannot write " + m_lockPath + ": " + reason(errno);
        unlink(m_lockPath.c_str());
        close(fd);
        return Attempt::Refused;
    }
    if (fd < 0) {
        if (errno != EEXIST) {
            m_error = "cannot lock " + m_path + ": cannot create " + m_lockPath + ": " + reason(errno);
            return Attempt::Refused;
        }
        // Another run's lock file, one a stopped run left, or something else of that name. Not opened
        // unless it is a regular file: opening a device can act on it.
        struct stat entry {};
        if (lstat(m_lockPath.c_str(), &entry) != 0)
            return Attempt::Again;
        if (!S_ISREG(entry.st_mode)) {
            m_error = inTheWay + kindOf(entry.st_mode) + ", not a lock file of futures-db" + moveAway;
            return Attempt::Refused;
        }
        fd = open(m_lockPath.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT || errno == ELOOP)
                return Attempt::Again;
            m_error = "cannot lock " + m_path + ": cannot open " + m_lockPath + ": " + reason(errno);
            return Attempt::Refused;
        }
    }
    if (afterOpen)
        afterOpen();
    struct stat locked {};
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int number = errno;
        close(fd);
        m_error = number == EWOULDBLOCK
                      ? "cannot write " + m_path + ": another run of futures-db is writing it (it holds " +
                            m_lockPath + "); run again once it has ended"
                      : "cannot lock " + m_lockPath + ": " + reason(number);
        return Attempt::Refused;
    }
    if (fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode) || !holdsLockMark(fd)) {
        close(fd);
        m_error = inTheWay + "a file that is not a lock file of futures-db" + moveAway;
        return Attempt::Refused;
    }
    if (!namesFile(m_lockPath.c_str(), locked.st_dev, locked.st_ino)) {
        close(fd);
        return Attempt::Again;
    }
    m_fd = fd;
    m_device = locked.st_dev;
    m_inode = locked.st_ino;
    arm(g_lock, m_lockPath, m_device, m_inode);
    removeLeftPartials(m_path);
    return Attempt::Held;
}

OutputLock::~OutputLock()
{
    if (m_fd < 0)
        return;
    // Disarmed first: once the name is gone another run may make a lock file of its own there.
    const EndingSignalsHeld held;
    g_lock.armed.store(false);
    if (namesFile(m_lockPath.c_str(), m_device, m_inode))
        unlink(m_lockPath.c_str());
    close(m_fd);
}

PartialFile::PartialFile(const OutputLock &lock) : m_target(lock.path())
{
    if (!lock.held()) {
        m_error = lock.error();
        return;
    }
    const std::string base = partialPrefix(m_target) + std::to_string(getpid());
    // Made and armed for the signal handler before a signal can end the run.
    const EndingSignalsHeld held;
    for (int n = 0; n < 100 && !m_made; ++n) {
        m_path = n == 0 ? base : base + "-" + std::to_string(n);
        // The mode SQLite gives a file it creates.
        const int fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            struct stat made {};
            fstat(fd, &made);
            close(fd);
            m_made = true;
            m_device = made.st_dev;
            m_inode = made.st_ino;
        } else if (errno != EEXIST) {
            m_error = "cannot create " + m_path + ": " + reason(errno);
            return;
        }
    }
    if (!m_made)
        m_error = "cannot create a temporary file beside " + m_target;
    else
        arm(g_partial, m_path, m_device, m_inode);
}

PartialFile::~PartialFile()
{
    if (!m_made || m_placed)
        return;
    const EndingSignalsHeld held;
    g_partial.armed.store(false);
    if (namesFile(m_path.c_str(), m_device, m_inode))
        unlink(m_path.c_str());
}

std::string PartialFile::place(FileSystem &fileSystem)
{
    if (std::string e = outputRefusal(m_target); !e.empty())
        return e;
    if (const std::string e = fileSystem.syncFile(m_path); !e.empty())
        return "cannot flush " + m_path + " to disk: " + e;
    if (const std::string e = fileSystem.rename(m_path, m_target); !e.empty())
        return "cannot rename " + m_path + " to " + m_target + ": " + e;
    m_placed = true;
    g_partial.armed.store(false);
    const std::string folder = folderOf(m_target);
    if (const std::string e = fileSystem.syncFolder(folder); !e.empty())
        return "cannot flush the folder " + folder + " to disk (" + m_target +
               " is complete, but may not survive a power loss): " + e;
    return {};
}

void removePartialFileOnSignal()
{
    struct sigaction action {};
    action.sa_handler = removeFilesAndEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    for (int number : kEndingSignals) {
        // A signal the run was started to ignore (nohup, a background job) stays ignored.
        struct sigaction previous {};
        if (sigaction(number, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            sigaction(number, &action, nullptr);
    }
}

} // namespace tarvello::futuresdb
