#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tarvello::futuresdb {

// One record of a CSV file and the line it starts on (1-based).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// The longest record a CSV file may hold. A row of prices or a news story is far shorter; a longer one
// is a bad row, so that no input (a file of one endless line, say) can fill the memory.
inline constexpr std::size_t kMaxCsvRecordBytes = std::size_t(1) << 20;

// Reads a comma-separated file one record at a time, holding one record in memory: fields may be quoted,
// a doubled quote inside quotes is a quote, quoted fields may run over several lines; LF or CRLF line
// ends; a UTF-8 byte order mark is skipped; blank lines are skipped. A record that breaks the form (text
// after a closing quote, a quote never closed, more than kMaxCsvRecordBytes) is reported and reading goes
// on at the next line.
class CsvReader {
public:
    // Reads the file at path. Only a regular file is read: a FIFO or a device is refused as it is opened,
    // without waiting for a writer.
    explicit CsvReader(const std::string &path);
    // Reads from source, which fills a buffer and returns the bytes it put there (0 at the end, below 0
    // on failure); name stands for the path in messages.
    CsvReader(std::function<long(char *, std::size_t)> source, std::string name);
    ~CsvReader();
    CsvReader(const CsvReader &) = delete;
    CsvReader &operator=(const CsvReader &) = delete;

    enum class Next { Record, Problem, End };
    // The next record, or a problem as "name:line: problem", or the end. Once the file cannot be opened or
    // read, the problem says so and the next call ends.
    Next next(CsvRecord &record, std::string &problem);

private:
    int get();  // the next byte, or -1 at the end
    int peek(); // the same without taking it
    bool fill();
    void skipLine();

    std::function<long(char *, std::size_t)> m_source;
    std::string m_name;
    std::string m_openProblem;
    std::vector<char> m_buffer;
    std::size_t m_at = 0, m_size = 0;
    int m_fd = -1;
    int m_line = 1;
    bool m_started = false, m_ended = false, m_failed = false;
};

// Why the input at path is refused before anything is read: a folder, a FIFO, a device or a socket,
// also through a link. Empty for a regular file or a path that is not there (its opening names that).
std::string inputFileProblem(const std::string &path);

// Every record of a text already in memory; name stands for the path in messages. On the first problem
// returns false with "name:line: problem" in error.
bool parseCsv(const std::string &text, const std::string &name, std::vector<CsvRecord> &records,
              std::string &error);

} // namespace tarvello::futuresdb
