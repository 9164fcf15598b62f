#include "Csv.h"

#include <fstream>
#include <sstream>

namespace tarvello::futuresdb {

bool parseCsv(const std::string &text, const std::string &name, std::vector<CsvRecord> &records,
              std::string &error)
{
    std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int line = 1;
    while (i < text.size()) {
        CsvRecord record{line, {}};
        std::string field;
        bool quoted = false, wasQuoted = false, endOfRecord = false;
        const int quoteLine = line;
        while (i < text.size() && !endOfRecord) {
            const char c = text[i++];
            if (quoted) {
                if (c == '"' && i < text.size() && text[i] == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n')
                        ++line;
                    field += c;
                }
            } else if (c == '"' && field.empty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == ',') {
                record.fields.push_back(std::move(field));
                field.clear();
                wasQuoted = false;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && i < text.size() && text[i] == '\n')
                    ++i;
                ++line;
                endOfRecord = true;
            } else if (wasQuoted) {
                error = name + ":" + std::to_string(line) + ": text after the closing quote of a field";
                return false;
            } else {
                field += c;
            }
        }
        if (quoted) {
            error = name + ":" + std::to_string(quoteLine) + ": a quoted field is not closed";
            return false;
        }
        record.fields.push_back(std::move(field));
        const bool blank = record.fields.size() == 1 && record.fields[0].empty() && !wasQuoted;
        if (!blank)
            records.push_back(std::move(record));
    }
    return true;
}

bool readCsv(const std::string &path, std::vector<CsvRecord> &records, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot open the file";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseCsv(text.str(), path, records, error);
}

} // namespace tarvello::futuresdb
