#pragma once

#include "PriceCheck.h"

#include "common/Instrument.h"

#include <map>
#include <string>
#include <vector>

namespace tarvello::futuresdb {

// Collects the violations of a check, or the errors of an import: the first few of each rule (or kind)
// word for word, then a count of the rest, so that what is shown and held stays small however many there
// are. noun names them in that count ("... and 12 more price-range violations").
class CheckReport {
public:
    explicit CheckReport(std::string noun = "violations") : m_noun(std::move(noun)) {}
    void add(const std::string &rule, std::string message);
    // Whether the next one of rule would be listed word for word (so that its message is worth making).
    bool listing(const std::string &rule) const;
    std::vector<Violation> violations() const;
    long long total() const { return m_total; }

private:
    std::string m_noun;
    long long m_total = 0;
    std::vector<Violation> m_listed;
    std::vector<std::string> m_rules; // in order of first appearance
    std::map<std::string, long long> m_counts;
};

// How the check names values in its messages.
std::string dateText(int serial);                        // 1996-03-04
std::string dateTimeText(double serial);                 // 1996-03-04, 1996-03-04 09:30, 1996-03-04 09:30:20
std::string numberText(double value);                    // up to ten significant digits
std::string windowText(Instrument instrument, int slot); // 09:30-10:00
std::string dailyUnits(Instrument instrument);           // what a daily price of the instrument must be
std::string tickUnits(Instrument instrument);            // what a tick price of the instrument must be

} // namespace tarvello::futuresdb
