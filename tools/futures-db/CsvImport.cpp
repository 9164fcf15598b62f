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

// A number, or nothing for a text that is none (NaN included). A number too large for a double reads as
// an infinity, for the caller to refuse as too large.
std::optional<double> decimal(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    char *end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || std::isnan(v))
        return std::nullopt;
    return v;
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

// The input file that path names, under any spelling or link, or nothing.
std::optional<std::string> inputAt(const ImportSources &sources, const std::string &path)
{
    std::vector<std::string> inputs;
    for (const std::string *dir : {&sources.dailyDir, &sources.ticksDir})
        if (!dir->empty())
            for (Instrument i : kAllInstruments)
                inputs.push_back(fileIn(*dir, i));
    if (!sources.newsDir.empty())
        inputs.insert(inputs.end(), {storiesFile(sources.newsDir), releasesFile(sources.newsDir)});
    for (const std::string &input : inputs) {
        std::error_code ec;
        if (std::filesystem::equivalent(path, input, ec) && !ec)
            return input;
    }
    return std::nullopt;
}

class Importer {
public:
    ImportResult run(const ImportSources &sources)
    {
        for (Instrument i : kAllInstruments)
            readDaily(i, fileIn(sources.dailyDir, i));
        if (!sources.ticksDir.empty())
            for (Instrument i : kAllInstruments)
                readTicks(i, fileIn(sources.ticksDir, i));
        if (!sources.newsDir.empty())
            readNews(sources.newsDir);
        m_result.data.tickDays.assign(m_tickDays.begin(), m_tickDays.end());
        m_result.data.stories.push_back(disclaimerRow());
        return std::move(m_result);
    }

private:
    void error(const std::string &file, int line, const std::string &problem)
    {
        m_result.errors.push_back(file + ":" + std::to_string(line) + ": " + problem);
    }

    // The records after the header, or nothing when the file cannot be read or its header is wrong.
    std::optional<std::vector<CsvRecord>> records(const std::string &file,
                                                  const std::vector<std::string> &header)
    {
        std::vector<CsvRecord> all;
        std::string problem;
        if (!readCsv(file, all, problem)) {
            m_result.errors.push_back(problem);
            return std::nullopt;
        }
        std::string expected;
        for (const std::string &h : header)
            expected += (expected.empty() ? "" : ",") + h;
        bool headerOk = !all.empty() && all[0].fields.size() == header.size();
        for (std::size_t i = 0; headerOk && i < header.size(); ++i)
            headerOk = lower(trimmed(all[0].fields[i])) == lower(header[i]);
        if (!headerOk) {
            error(file, all.empty() ? 1 : all[0].line, "the first line must be the header " + expected);
            return std::nullopt;
        }
        all.erase(all.begin());
        for (CsvRecord &r : all)
            for (std::string &f : r.fields)
                f = trimmed(f);
        std::vector<CsvRecord> valid;
        for (CsvRecord &r : all) {
            if (r.fields.size() != header.size())
                error(file, r.line,
                      "expected " + std::to_string(header.size()) + " fields (" + expected + "), found " +
                          std::to_string(r.fields.size()));
            else
                valid.push_back(std::move(r));
        }
        return valid;
    }

    std::optional<int> date(const std::string &file, int line, const std::string &text)
    {
        const std::optional<int> d = isoDate(text);
        if (!d || text.size() != 10)
            error(file, line, "date '" + excerpt(text) + "' is not a date in the form yyyy-mm-dd");
        return text.size() == 10 ? d : std::nullopt;
    }

    // A price in daily units: a number the game can hold as a Single, above the floor, on the grid the
    // instrument's prices are stored on.
    std::optional<double> price(const std::string &file, int line, Instrument i, const char *name,
                                const std::string &text, int grid)
    {
        const std::optional<double> v = decimal(text);
        if (!v) {
            error(file, line, std::string(name) + " '" + excerpt(text) + "' is not a number");
        } else if (!fitsSingle(*v)) {
            error(file, line,
                  std::string(name) + " " + excerpt(text) +
                      " is beyond any price the game can hold (a 32-bit float)");
        } else if (gamePrice(i, *v) <= kPriceFloor) {
            error(file, line,
                  std::string(name) + " " + excerpt(text) + " is at or below the price floor of 0.05");
        } else if (!onGrid(*v, grid)) {
            error(file, line,
                  std::string(name) + " " + excerpt(text) +
                      (i == Instrument::TBond
                           ? " is not a whole number of 32nds (write T-Bond prices as decimal "
                             "points: 98.5 for 98 16/32)"
                           : " is not a whole number of eighths of a cent (write Soybean "
                             "prices in cents: 581.25)"));
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
            error(file, line,
                  "Price " + excerpt(text) +
                      " is too large for a tick the game reads exactly (as a 32-bit float)" +
                      (tick.reading ? ": it would read as " + numberText(*tick.reading) : std::string()));
        return tick.stored;
    }

    std::optional<int> count(const std::string &file, int line, const char *name, const std::string &text)
    {
        if (text.empty())
            return 0;
        const std::optional<double> v = decimal(text);
        if (!v || *v != std::floor(*v) || *v < 0 || *v > 2147483647.0) {
            error(file, line,
                  std::string(name) + " '" + excerpt(text) + "' is not a whole number from 0 to 2147483647");
            return std::nullopt;
        }
        return static_cast<int>(*v);
    }

    void readDaily(Instrument i, const std::string &file)
    {
        const auto rows = records(file, {"Date", "Open", "High", "Low", "Close", "Volume", "OpenInterest"});
        if (!rows)
            return;
        if (rows->empty())
            error(file, 2, "the file has no rows");
        std::map<int, int> lineOf;
        for (const CsvRecord &r : *rows) {
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
                error(file, r.line, "the prices do not have Low <= Open, Close <= High");
            else if (d && !lineOf.emplace(*d, r.line).second)
                error(file, r.line,
                      "date " + excerpt(f[0]) + " is already on line " + std::to_string(lineOf[*d]));
            else if (d && open && high && low && close && volume && interest)
                m_result.data.daily.push_back(
                    {commodityId(i), *d, *interest, *volume, *open, *high, *low, *close});
        }
    }

    void readTicks(Instrument i, const std::string &file)
    {
        const auto rows = records(file, {"DateTime", "Price"});
        if (!rows)
            return;
        std::map<std::pair<int, int>, int> lineOf;
        for (const CsvRecord &r : *rows) {
            const std::string &when = r.fields[0];
            const auto d = isoDate(when);
            std::optional<int> minute;
            if (when.size() > 11 && (when[10] == ' ' || when[10] == 'T'))
                if (const auto t = clockTime(when, 11); t && *t % 60 == 0)
                    minute = *t / 60;
            if (!d || !minute)
                error(file, r.line,
                      "date and time '" + excerpt(when) + "' is not in the form yyyy-mm-dd HH:MM");
            const auto p = price(file, r.line, i, "Price", r.fields[1], dailyGrid(i));
            const auto stored = p ? tick(file, r.line, i, r.fields[1], *p) : std::nullopt;
            if (!d || !minute || !stored)
                continue;
            if (!lineOf.emplace(std::pair{*d, *minute}, r.line).second) {
                error(file, r.line,
                      "time " + excerpt(when) + " is already on line " +
                          std::to_string(lineOf[{*d, *minute}]));
                continue;
            }
            m_result.data.ticks.push_back({commodityId(i), *d, *minute, *stored});
            m_tickDays.insert(*d);
        }
    }

    void readNews(const std::string &dir)
    {
        namespace fs = std::filesystem;
        const std::string stories = storiesFile(dir);
        const std::string releases = releasesFile(dir);
        if (!fs::exists(stories) && !fs::exists(releases)) {
            m_result.errors.push_back(dir + ": has neither OverviewNews.csv nor Releases.csv");
            return;
        }
        if (fs::exists(stories))
            readStories(stories);
        if (fs::exists(releases))
            readReleases(releases);
    }

    void readStories(const std::string &file)
    {
        const auto rows = records(file, {"Date", "Instrument", "News"});
        if (!rows)
            return;
        std::map<std::pair<int, int>, int> lineOf;
        for (const CsvRecord &r : *rows) {
            const auto d = date(file, r.line, r.fields[0]);
            std::optional<int> id;
            for (Instrument i : kAllInstruments)
                if (lower(r.fields[1]) == lower(std::string(instrumentKey(i))))
                    id = commodityId(i);
            if (!id)
                error(file, r.line,
                      "instrument '" + excerpt(r.fields[1]) +
                          "' is not one of Cattle, Gold, Oil, SP500, "
                          "Soybean, TBond");
            if (r.fields[2].empty())
                error(file, r.line, "the story is empty");
            if (!d || !id || r.fields[2].empty())
                continue;
            if (!lineOf.emplace(std::pair{*d, *id}, r.line).second)
                error(file, r.line,
                      "a story for " + excerpt(r.fields[1]) + " on " + excerpt(r.fields[0]) +
                          " is already on line " + std::to_string(lineOf[{*d, *id}]));
            else
                m_result.data.stories.push_back({*d, *id, r.fields[2]});
        }
    }

    void readReleases(const std::string &file)
    {
        const auto rows = records(file, {"Date", "Time", "Title", "Story"});
        if (!rows)
            return;
        std::map<std::tuple<int, int, std::string>, int> lineOf;
        for (const CsvRecord &r : *rows) {
            const auto d = date(file, r.line, r.fields[0]);
            const auto t = clockTime(r.fields[1], 0);
            if (!t)
                error(file, r.line,
                      "time '" + excerpt(r.fields[1]) + "' is not in the form HH:MM or HH:MM:SS");
            if (r.fields[2].empty() || r.fields[3].empty())
                error(file, r.line, "the title and the story must not be empty");
            if (!d || !t || r.fields[2].empty() || r.fields[3].empty())
                continue;
            if (!lineOf.emplace(std::tuple{*d, *t, r.fields[2]}, r.line).second)
                error(file, r.line,
                      "the same release is already on line " +
                          std::to_string(lineOf[std::tuple{*d, *t, r.fields[2]}]));
            else
                m_result.data.releases.push_back({*d, *t, r.fields[2], r.fields[3]});
        }
    }

    ImportResult m_result;
    std::set<int> m_tickDays;
};

} // namespace

ImportResult importCsv(const ImportSources &sources)
{
    return Importer().run(sources);
}

std::vector<std::string> importCsvToFile(const ImportSources &sources, const std::string &out,
                                         PriceData *written)
{
    // The new file is renamed over out: an input there would be lost, and the import with it.
    if (const auto input = inputAt(sources, out))
        return {"cannot write " + out + ": it is the input file " + *input};
    // Taken before the files are read, so that a second run into out is refused at once.
    const OutputLock lock(out);
    if (!lock.held())
        return {lock.error()};
    ImportResult result = importCsv(sources);
    if (!result.errors.empty())
        return result.errors;
    std::string error;
    if (!writePriceFile(lock, result.data, error))
        return {error};
    if (written)
        *written = std::move(result.data);
    return {};
}

} // namespace tarvello::futuresdb
