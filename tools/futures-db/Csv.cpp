#include "Csv.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tarvello::futuresdb {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

// Why an input of this kind is refused, or nothing for a regular file.
std::string kindProblem(const std::string &path, mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    std::string name = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec))
        name += " (a link to " + std::filesystem::weakly_canonical(path, ec).string() + ")";
    if (S_ISDIR(mode))
        return name + " is a folder, not a CSV file; put the CSV file itself there under that name";
    const char *kind = S_ISFIFO(mode)                   ? "a FIFO (a named pipe)"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "no regular file";
    return name + " is " + kind + ", which the import does not read; save the data as a CSV file and " +
           "name that file instead";
}

} // namespace

std::string inputFileProblem(const std::string &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return kindProblem(path, st.st_mode);
}

CsvReader::CsvReader(const std::string &path) : m_name(path)
{
    // Not blocking, so that a FIFO without a writer is refused here rather than waited for.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (m_fd < 0) {
        m_openProblem = path + ": cannot open the file (" + std::strerror(errno) + ")";
    } else if (::fstat(m_fd, &st) != 0) {
        m_openProblem = path + ": cannot read the file (" + std::strerror(errno) + ")";
    } else if (const std::string problem = kindProblem(path, st.st_mode); !problem.empty()) {
        m_openProblem = problem;
    } else {
        const int fd = m_fd;
        m_source = [fd](char *to, std::size_t size) -> long {
            ssize_t n;
            do
                n = ::read(fd, to, size);
            while (n < 0 && errno == EINTR);
            return n;
        };
    }
    m_buffer.resize(kBufferBytes);
}

CsvReader::CsvReader(std::function<long(char *, std::size_t)> source, std::string name)
    : m_source(std::move(source)), m_name(std::move(name)), m_buffer(kBufferBytes)
{}

CsvReader::~CsvReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CsvReader::fill()
{
    if (m_ended || m_failed || !m_source)
        return false;
    if (m_at > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_at, m_size - m_at);
        m_size -= m_at;
        m_at = 0;
    }
    const long n = m_source(m_buffer.data() + m_size, m_buffer.size() - m_size);
    if (n < 0) {
        m_failed = true;
        m_openProblem = m_name + ":" + std::to_string(m_line) + ": reading stopped (" + std::strerror(errno) +
                        "); the rows after it were not read";
        return false;
    }
    if (n == 0)
        m_ended = true;
    m_size += static_cast<std::size_t>(n);
    return n > 0;
}

int CsvReader::peek()
{
    if (m_at == m_size && !fill())
        return -1;
    return static_cast<unsigned char>(m_buffer[m_at]);
}

int CsvReader::get()
{
    const int c = peek();
    if (c >= 0)
        ++m_at;
    return c;
}

void CsvReader::skipLine()
{
    for (int c = get(); c >= 0; c = get()) {
        if (c == '\n' || c == '\r') {
            if (c == '\r' && peek() == '\n')
                get();
            break;
        }
    }
    ++m_line;
}

CsvReader::Next CsvReader::next(CsvRecord &record, std::string &problem)
{
    if (!m_openProblem.empty()) {
        problem = std::move(m_openProblem);
        m_openProblem.clear();
        m_source = nullptr;
        return Next::Problem;
    }
    if (!m_started) {
        m_started = true;
        while (m_size - m_at < 3 && !m_ended && fill()) {
        }
        if (m_size - m_at >= 3 && std::memcmp(m_buffer.data() + m_at, "\xEF\xBB\xBF", 3) == 0)
            m_at += 3;
    }
    while (peek() >= 0) {
        record.line = m_line;
        record.fields.clear();
        std::string field;
        bool quoted = false, wasQuoted = false, endOfRecord = false;
        const int quoteLine = m_line;
        std::size_t bytes = 0;
        while (!endOfRecord) {
            const int c = get();
            if (c < 0)
                break;
            if (!quoted && (c == '\n' || c == '\r')) {
                if (c == '\r' && peek() == '\n')
                    get();
                ++m_line;
                endOfRecord = true;
                continue;
            }
            if (++bytes > kMaxCsvRecordBytes) {
                problem = m_name + ":" + std::to_string(record.line) +
                          ": the row is longer than 1 MiB (1048576 bytes); a row of prices or news is far "
                          "shorter, so this is not such a file or its line ends are missing";
                if (c == '\n')
                    ++m_line;
                else
                    skipLine();
                return Next::Problem;
            }
            if (quoted) {
                if (c == '"' && peek() == '"') {
                    field += '"';
                    get();
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n')
                        ++m_line;
                    field += static_cast<char>(c);
                }
            } else if (c == '"' && field.empty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == ',') {
                record.fields.push_back(std::move(field));
                field.clear();
                wasQuoted = false;
            } else if (wasQuoted) {
                problem = m_name + ":" + std::to_string(m_line) + ": text after the closing quote of a field";
                skipLine();
                return Next::Problem;
            } else {
                field += static_cast<char>(c);
            }
        }
        if (!m_openProblem.empty())
            return next(record, problem);
        if (quoted) {
            problem = m_name + ":" + std::to_string(quoteLine) + ": a quoted field is not closed";
            return Next::Problem;
        }
        record.fields.push_back(std::move(field));
        const bool blank = record.fields.size() == 1 && record.fields[0].empty() && !wasQuoted;
        if (!blank)
            return Next::Record;
    }
    if (!m_openProblem.empty())
        return next(record, problem);
    return Next::End;
}

bool parseCsv(const std::string &text, const std::string &name, std::vector<CsvRecord> &records,
              std::string &error)
{
    std::size_t at = 0;
    CsvReader reader(
        [&](char *to, std::size_t size) -> long {
            const std::size_t n = std::min(size, text.size() - at);
            std::memcpy(to, text.data() + at, n);
            at += n;
            return static_cast<long>(n);
        },
        name);
    CsvRecord record;
    for (;;) {
        switch (reader.next(record, error)) {
        case CsvReader::Next::Record:
            records.push_back(record);
            break;
        case CsvReader::Next::Problem:
            return false;
        case CsvReader::Next::End:
            return true;
        }
    }
}

} // namespace tarvello::futuresdb
