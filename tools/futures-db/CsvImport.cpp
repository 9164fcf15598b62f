#include "CsvImport.h"

#include "CheckReport.h"
#include "Csv.h"
#include "Excerpt.h"
#include "PriceEncoding.h"
#include "PriceFile.h"
#include "Sample.h"

#include "common/Instrument.h"
#include "common/VbDate.h"
#include "data/PriceFields.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace tarvello::futuresdb {

namespace {

std::string trimmed(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Digits only, exactly n of them, from text[at].
std::optional<int> digits(const std::string &text, std::size_t at, std::size_t n)
{
    if (at + n > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "yyyy-mm-dd" as a day serial.
std::optional<int> isoDate(const std::string &text)
{
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = digits(text, 0, 4), m = digits(text, 5, 2), d = digits(text, 8, 2);
    if (!y || !m || !d || !QDate::isValid(*y, *m, *d))
        return std::nullopt;
    return static_cast<int>(vb::toSerial(*y, *m, *d));
}

// "HH:MM" or "HH:MM:SS" from text[at] to its end, as seconds of the day.
std::optional<int> clockTime(const std::string &text, std::size_t at)
{
    const std::size_t length = text.size() - at;
    if ((length != 5 && length != 8) || text[at + 2] != ':' || (length == 8 && text[at + 5] != ':'))
        return std::nullopt;
    const auto h = digits(text, at, 2), m = digits(text, at + 3, 2);
    const auto s = length == 8 ? digits(text, at + 6, 2) : std::optional<int>(0);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return *h * 3600 + *m * 60 + *s;
}

// A plain decimal number ("12", "-0.5", ".5", "1.5e3"), or nothing for any other text: no hex float,
// no "inf" or "nan", no spaces inside. A number too large for a double reads as an infinity, for the
// caller to refuse as too large.
std::optional<double> decimal(const std::string &text)
{
    std::size_t i = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const auto isDigit = [&](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
    };
    std::size_t mantissaDigits = 0;
    for (; isDigit(i); ++i)
        ++mantissaDigits;
    if (i < text.size() && text[i] == '.')
        for (++i; isDigit(i); ++i)
            ++mantissaDigits;
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        i += i + 1 < text.size() && (text[i + 1] == '-' || text[i + 1] == '+') ? 2 : 1;
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            ++i;
    }
    if (i != text.size())
        return std::nullopt;
    return std::strtod(text.c_str(), nullptr);
}

// An instrument's file in a daily or tick folder.
std::string fileIn(const std::string &dir, Instrument i)
{
    return (std::filesystem::path(dir) / (std::string(instrumentKey(i)) + ".csv")).string();
}

std::string storiesFile(const std::string &dir)
{
    return (std::filesystem::path(dir) / "OverviewNews.csv").string();
}

std::string releasesFile(const std::string &dir)
{
    return (std::filesystem::path(dir) / "Releases.csv").string();
}

// Every file the import may read: the daily and tick files, and the news files.
std::vector<std::string> inputFiles(const ImportSources &sources)
{
    std::vector<std::string> inputs;
    for (const std::string *dir : {&sources.dailyDir, &sources.ticksDir})
        if (!dir->empty())
            for (Instrument i : kAllInstruments)
                inputs.push_back(fileIn(*dir, i));
    if (!sources.newsDir.empty())
        inputs.insert(inputs.end(), {storiesFile(sources.newsDir), releasesFile(sources.newsDir)});
    return inputs;
}

// The input file that path names, under any spelling or link, or nothing.
std::optional<std::string> inputAt(const ImportSources &sources, const std::string &path)
{
    for (const std::string &input : inputFiles(sources)) {
        std::error_code ec;
        if (std::filesystem::equivalent(path, input, ec) && !ec)
            return input;
    }
    return std::nullopt;
}

// Each file of the input folders that is not imported, by path, with the names the import reads there.
std::vector<std::string> filesNotImported(const ImportSources &sources)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::pair<std::string, std::set<std::string>>> folders; // canonical -> given, names
    const auto expect = [&](const std::string &dir, const std::string &name) {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(dir, ec);
        auto &folder = folders[ec ? dir : canonical.string()];
        if (folder.first.empty())
            folder.first = dir;
        folder.second.insert(name);
    };
    for (const std::string &input : inputFiles(sources)) {
        const fs::path file(input);
        expect(file.parent_path().string(), file.filename().string());
    }
    std::vector<std::string> warnings;
    for (const auto &[canonical, folder] : folders) {
        std::vector<std::string> strays;
        std::error_code ec;
        for (fs::directory_iterator it(folder.first, ec), end; !ec && it != end; it.increment(ec))
            if (!folder.second.count(it->path().filename().string()))
                strays.push_back(it->path().string());
        std::sort(strays.begin(), strays.end());
        std::string names;
        for (const std::string &name : folder.second)
            names += (names.empty() ? "" : ", ") + name;
        for (const std::string &stray : strays)
            warnings.push_back(stray + " is not imported: the import reads only " + names + " from " +
                               folder.first);
    }
    return warnings;
}

class Importer {
public:
    Importer(PriceFileWriter &writer, CheckReport &report) : m_writer(writer), m_report(report) {}

    void run(const ImportSources &sources)
    {
        for (Instrument i : kAllInstruments)
            readDaily(i, fileIn(sources.dailyDir, i));
        if (!sources.ticksDir.empty())
            for (Instrument i : kAllInstruments)
                readTicks(i, fileIn(sources.ticksDir, i));
        if (!sources.newsDir.empty())
            readNews(sources.newsDir);
        for (int day : m_tickDays)
            m_writer.addTickDay(day);
        m_writer.add(disclaimerRow());
    }

private:
    // Reports a problem of a row; its text is made only when it is listed.
    template <typename Problem>
    void error(const char *kind, const std::string &file, int line, const Problem &problem)
    {
        m_report.add(kind, m_report.listing(kind) ? file + ":" + std::to_string(line) + ": " + problem()
                                                  : std::string());
    }

    // Calls row for each record after the header, its fields trimmed and as many as the header's; reports
    // every other record, a file that cannot be read and a wrong header. False when the file was not
    // read (it cannot be opened or its header is wrong); rows counts the records after the header.
    template <typename Row>
    bool forEachRow(const std::string &file, const std::vector<std::string> &header, Row row,
                    long long *rows = nullptr)
    {
        std::string expected;
        for (const std::string &h : header)
            expected += (expected.empty() ? "" : ",") + h;
        CsvReader reader(file);
        CsvRecord r;
        std::string problem;
        bool headerSeen = false;
        long long count = 0;
        for (CsvReader::Next next;
             m_writer.ok() && (next = reader.next(r, problem)) != CsvReader::Next::End;) {
            if (next == CsvReader::Next::Problem) {
                m_report.add(headerSeen ? "row-form" : "file", problem);
                if (!headerSeen)
                    return false;
                continue;
            }
            if (!headerSeen) {
                bool headerOk = r.fields.size() == header.size();
                for (std::size_t i = 0; headerOk && i < header.size(); ++i)
                    headerOk = lower(trimmed(r.fields[i])) == lower(header[i]);
                if (!headerOk) {
                    error("header", file, r.line,
                          [&] { return "the first line must be the header " + expected; });
                    return false;
                }
                headerSeen = true;
                continue;
            }
            ++count;
            for (std::string &f : r.fields)
                f = trimmed(f);
            if (r.fields.size() != header.size())
                error("field-count", file, r.line, [&] {
                    return "expected " + std::to_string(header.size()) + " fields (" + expected +
                           "), found " + std::to_string(r.fields.size());
                });
            else
                row(r);
        }
        if (!headerSeen && m_writer.ok()) {
            error("header", file, 1, [&] { return "the first line must be the header " + expected; });
            return false;
        }
        if (rows)
            *rows = count;
        return true;
    }

    std::optional<int> date(const std::string &file, int line, const std::string &text)
    {
        const std::optional<int> d = isoDate(text);
        if (!d || text.size() != 10)
            error("date", file, line,
                  [&] { return "date '" + excerpt(text) + "' is not a date in the form yyyy-mm-dd"; });
        return text.size() == 10 ? d : std::nullopt;
    }

    // A price in daily units: a number the game can hold as a Single, above the floor, on the grid the
    // instrument's prices are stored on.
    std::optional<double> price(const std::string &file, int line, Instrument i, const char *name,
                                const std::string &text, int grid)
    {
        const std::optional<double> v = decimal(text);
        if (!v) {
            error("number", file, line,
                  [&] { return std::string(name) + " '" + excerpt(text) + "' is not a number"; });
        } else if (!fitsSingle(*v)) {
            error("price-range", file, line, [&] {
                return std::string(name) + " " + excerpt(text) +
                       " is beyond any price the game can hold (a 32-bit float)";
            });
        } else if (gamePrice(i, *v) <= kPriceFloor) {
            error("price-floor", file, line, [&] {
                return std::string(name) + " " + excerpt(text) + " is at or below the price floor of 0.05";
            });
        } else if (!onGrid(*v, grid)) {
            error("price-grid", file, line, [&] {
                return std::string(name) + " " + excerpt(text) +
                       (i == Instrument::TBond ? " is not a whole number of 32nds (write T-Bond prices as "
                                                 "decimal points: 98.5 for 98 16/32)"
                                               : " is not a whole number of eighths of a cent (write Soybean "
                                                 "prices in cents: 581.25)");
            });
        } else {
            return v;
        }
        return std::nullopt;
    }

    // A tick price in its encoding, when the game reads the encoding back as the same price.
    std::optional<double> tick(const std::string &file, int line, Instrument i, const std::string &text,
                               double value)
    {
        const ExactTick tick = encodeTickExactly(i, value);
        if (!tick.stored)
            error("price-range", file, line, [&] {
                return "Price " + excerpt(text) +
                       " is too large for a tick the game reads exactly (as a 32-bit float)" +
                       (tick.reading ? ": it would read as " + numberText(*tick.reading) : std::string());
            });
        return tick.stored;
    }

    std::optional<int> count(const std::string &file, int line, const char *name, const std::string &text)
    {
        if (text.empty())
            return 0;
        const std::optional<double> v = decimal(text);
        if (!v || *v != std::floor(*v) || *v < 0 || *v > 2147483647.0) {
            error("count", file, line, [&] {
                return std::string(name) + " '" + excerpt(text) +
                       "' is not a whole number from 0 to 2147483647";
            });
            return std::nullopt;
        }
        return static_cast<int>(*v);
    }

    void readDaily(Instrument i, const std::string &file)
    {
        long long rows = 0;
        const bool read = forEachRow(
            file, {"Date", "Open", "High", "Low", "Close", "Volume", "OpenInterest"},
            [&](const CsvRecord &r) {
                const auto &f = r.fields;
                const auto d = date(file, r.line, f[0]);
                const int grid = dailyGrid(i);
                const auto open = price(file, r.line, i, "Open", f[1], grid);
                const auto high = price(file, r.line, i, "High", f[2], grid);
                const auto low = price(file, r.line, i, "Low", f[3], grid);
                const auto close = price(file, r.line, i, "Close", f[4], grid);
                const auto volume = count(file, r.line, "Volume", f[5]);
                const auto interest = count(file, r.line, "OpenInterest", f[6]);
                if (open && high && low && close &&
                    !(*low <= *open && *low <= *close && *open <= *high && *close <= *high))
                    error("high-low", file, r.line,
                          [] { return std::string("the prices do not have Low <= Open, Close <= High"); });
                else if (d && open && high && low && close && volume && interest)
                    if (const int earlier = m_writer.add(
                            DailyRow{commodityId(i), *d, *interest, *volume, *open, *high, *low, *close},
                            r.line))
                        error("duplicate", file, r.line, [&] {
                            return "date " + excerpt(f[0]) + " is already on line " + std::to_string(earlier);
                        });
            },
            &rows);
        if (read && rows == 0)
            error("no-rows", file, 2, [] { return std::string("the file has no rows"); });
    }

    void readTicks(Instrument i, const std::string &file)
    {
        forEachRow(file, {"DateTime", "Price"}, [&](const CsvRecord &r) {
            const std::string &when = r.fields[0];
            const auto d = isoDate(when);
            std::optional<int> minute;
            if (when.size() > 11 && (when[10] == ' ' || when[10] == 'T'))
                if (const auto t = clockTime(when, 11); t && *t % 60 == 0)
                    minute = *t / 60;
            if (!d || !minute)
                error("date", file, r.line, [&] {
                    return "date and time '" + excerpt(when) + "' is not in the form yyyy-mm-dd HH:MM";
                });
            const auto p = price(file, r.line, i, "Price", r.fields[1], dailyGrid(i));
            const auto stored = p ? tick(file, r.line, i, r.fields[1], *p) : std::nullopt;
            if (!d || !minute || !stored)
                return;
            if (const int earlier = m_writer.add(TickRow{commodityId(i), *d, *minute, *stored}, r.line))
                error("duplicate", file, r.line, [&] {
                    return "time " + excerpt(when) + " is already on line " + std::to_string(earlier);
                });
            else
                m_tickDays.insert(*d);
        });
    }

    void readNews(const std::string &dir)
    {
        namespace fs = std::filesystem;
        const std::string stories = storiesFile(dir);
        const std::string releases = releasesFile(dir);
        std::error_code ec;
        if (!fs::exists(stories, ec) && !fs::exists(releases, ec)) {
            m_report.add("file", dir + ": has neither OverviewNews.csv nor Releases.csv");
            return;
        }
        if (fs::exists(stories, ec))
            readStories(stories);
        if (fs::exists(releases, ec))
            readReleases(releases);
    }

    void readStories(const std::string &file)
    {
        forEachRow(file, {"Date", "Instrument", "News"}, [&](const CsvRecord &r) {
            const auto d = date(file, r.line, r.fields[0]);
            std::optional<int> id;
            for (Instrument i : kAllInstruments)
                if (lower(r.fields[1]) == lower(std::string(instrumentKey(i))))
                    id = commodityId(i);
            if (!id)
                error("instrument", file, r.line, [&] {
                    return "instrument '" + excerpt(r.fields[1]) +
                           "' is not one of Cattle, Gold, Oil, SP500, Soybean, TBond";
                });
            if (r.fields[2].empty())
                error("empty-text", file, r.line, [] { return std::string("the story is empty"); });
            if (!d || !id || r.fields[2].empty())
                return;
            if (const int earlier = m_writer.add(StoryRow{*d, *id, r.fields[2]}, r.line))
                error("duplicate", file, r.line, [&] {
                    return "a story for " + excerpt(r.fields[1]) + " on " + excerpt(r.fields[0]) +
                           " is already on line " + std::to_string(earlier);
                });
        });
    }

    void readReleases(const std::string &file)
    {
        forEachRow(file, {"Date", "Time", "Title", "Story"}, [&](const CsvRecord &r) {
            const auto d = date(file, r.line, r.fields[0]);
            const auto t = clockTime(r.fields[1], 0);
            if (!t)
                error("time", file, r.line, [&] {
                    return "time '" + excerpt(r.fields[1]) + "' is not in the form HH:MM or HH:MM:SS";
                });
            if (r.fields[2].empty() || r.fields[3].empty())
                error("empty-text", file, r.line,
                      [] { return std::string("the title and the story must not be empty"); });
            if (!d || !t || r.fields[2].empty() || r.fields[3].empty())
                return;
            if (const int earlier = m_writer.add(ReleaseRow{*d, *t, r.fields[2], r.fields[3]}, r.line))
                error("duplicate", file, r.line,
                      [&] { return "the same release is already on line " + std::to_string(earlier); });
        });
    }

    PriceFileWriter &m_writer;
    CheckReport &m_report;
    std::set<int> m_tickDays;
};

} // namespace

std::vector<std::string> importCsvToFile(const ImportSources &sources, const std::string &out,
                                         ImportSummary *summary)
{
    ImportSummary local;
    ImportSummary &result = summary ? *summary : local;
    result.warnings = filesNotImported(sources);
    const auto fail = [&](std::vector<std::string> errors) {
        result.errors = static_cast<long long>(errors.size());
        return errors;
    };
    // The new file is renamed over out: an input there would be lost, and the import with it.
    if (const auto input = inputAt(sources, out))
        return fail({"cannot write " + out + ": it is the input file " + *input});
    // A FIFO would block the import, a device feed it for ever: such an input is refused before out's lock
    // is taken and before anything is read.
    std::vector<std::string> refused;
    for (const std::string &input : inputFiles(sources))
        if (std::string problem = inputFileProblem(input); !problem.empty())
            refused.push_back(std::move(problem));
    if (!refused.empty())
        return fail(refused);
    // Taken before the files are read, so that a second run into out is refused at once.
    const OutputLock lock(out);
    if (!lock.held())
        return fail({lock.error()});
    PriceFileWriter writer(lock);
    CheckReport report("errors");
    if (writer.ok())
        Importer(writer, report).run(sources);
    std::vector<std::string> errors;
    for (Violation &v : report.violations())
        errors.push_back(std::move(v.message));
    if (errors.empty() && writer.finish())
        result.written = writer.counts();
    if (!writer.ok())
        errors.push_back(writer.error());
    result.errors = report.total() + (writer.ok() ? 0 : 1);
    return errors;
}

} // namespace tarvello::futuresdb
