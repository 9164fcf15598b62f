#pragma once

#include <string>
#include <vector>

namespace tarvello::futuresdb {

// One record of a CSV file and the line it starts on (1-based).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// Reads a comma-separated file: fields may be quoted, a doubled quote inside quotes is a quote, quoted
// fields may run over several lines; LF or CRLF line ends; a UTF-8 byte order mark is skipped; blank
// lines are skipped. On failure returns false with "path:line: problem" in error.
bool readCsv(const std::string &path, std::vector<CsvRecord> &records, std::string &error);

// The same, from text already in memory; name stands for the path in messages.
bool parseCsv(const std::string &text, const std::string &name, std::vector<CsvRecord> &records,
              std::string &error);

} // namespace tarvello::futuresdb
