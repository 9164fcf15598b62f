#include "OutputFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

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

// A file for the signal handler to remove: a fixed buffer, since a handler may not allocate, and a flag
// set only while the path in it is whole and the file is this run's to remove.
struct SignalPath {
    char path[4096];
    std::atomic<bool> armed{false};
};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler reads the flag");

SignalPath g_partial;
SignalPath g_lock;

extern "C" void removeFilesAndEnd(int number)
{
    if (g_partial.armed.load())
        unlink(g_partial.path);
    if (g_lock.armed.load())
        unlink(g_lock.path);
    // The handler has been reset to the default one: the signal now ends the process as it would have.
    raise(number);
}

void arm(SignalPath &mark, const std::string &path)
{
    if (path.size() >= sizeof mark.path)
        return;
    std::memcpy(mark.path, path.c_str(), path.size() + 1);
    mark.armed.store(true);
}

std::string folderOf(const std::string &path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

std::string partialPrefix(const std::string &path)
{
    return path + ".partial";
}

// Removes the temporary files beside path, which only a run that was killed can have left while the
// lock is held.
void removeLeftPartials(const std::string &path)
{
    namespace fs = std::filesystem;
    const std::string prefix = fs::path(partialPrefix(path)).filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(path), ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().rfind(prefix, 0) == 0)
            fs::remove(it->path(), ec);
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

OutputLock::OutputLock(std::string path) : m_path(std::move(path)), m_lockPath(m_path + ".lock")
{
    // A run that ends removes the lock file while it still holds it, so a file opened just before that
    // can be locked once it has no name: the lock counts only on the file the name still gives.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = open(m_lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            m_error = "cannot lock " + m_path + ": cannot create " + m_lockPath + ": " + reason(errno);
            return;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int number = errno;
            close(fd);
            m_error = number == EWOULDBLOCK ? "cannot write " + m_path +
                                                  ": another run of futures-db is writing it (it holds " +
                                                  m_lockPath + "); run again once it has ended"
                                            : "cannot lock " + m_lockPath + ": " + reason(number);
            return;
        }
        struct stat locked {};
        struct stat named {};
        if (fstat(fd, &locked) == 0 && stat(m_lockPath.c_str(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            m_fd = fd;
            arm(g_lock, m_lockPath);
            removeLeftPartials(m_path);
            return;
        }
        close(fd);
    }
    m_error = "cannot lock " + m_path + ": " + m_lockPath + " keeps being replaced";
}

OutputLock::~OutputLock()
{
    if (m_fd < 0)
        return;
    // Disarmed first: once the name is gone another run may make a lock file of its own there.
    g_lock.armed.store(false);
    unlink(m_lockPath.c_str());
    close(m_fd);
}

PartialFile::PartialFile(const OutputLock &lock) : m_target(lock.path())
{
    if (!lock.held()) {
        m_error = lock.error();
        return;
    }
    const std::string base = partialPrefix(m_target) + "-" + std::to_string(getpid());
    for (int n = 0; n < 100 && !m_made; ++n) {
        m_path = n == 0 ? base : base + "-" + std::to_string(n);
        // The mode SQLite gives a file it creates.
        const int fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            close(fd);
            m_made = true;
        } else if (errno != EEXIST) {
            m_error = "cannot create " + m_path + ": " + reason(errno);
            return;
        }
    }
    if (!m_made)
        m_error = "cannot create a temporary file beside " + m_target;
    else
        arm(g_partial, m_path);
}

PartialFile::~PartialFile()
{
    if (!m_made || m_placed)
        return;
    g_partial.armed.store(false);
    unlink(m_path.c_str());
}

std::string PartialFile::place(FileSystem &fileSystem)
{
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
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace tarvello::futuresdb
