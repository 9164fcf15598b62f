#pragma once

#include "PriceCheck.h"

#include "common/Instrument.h"

#include <map>
#include <string>
#include <vector>

namespace tarvello::futuresdb {

// Collects the violations of a check: the first few of each rule word for word, then a count of the rest.
class CheckReport {
public:
    void add(const std::string &rule, std::string message);
    std::vector<Violation> violations() const;

private:
    std::vector<Violation> m_listed;
    std::vector<std::string> m_rules; // in order of first appearance
    std::map<std::string, int> m_counts;
};

// How the check names values in its messages.
std::string dateText(int serial);                        // 1996-03-04
std::string dateTimeText(double serial);                 // 1996-03-04, 1996-03-04 09:30, 1996-03-04 09:30:20
std::string numberText(double value);                    // up to ten significant digits
std::string windowText(Instrument instrument, int slot); // 09:30-10:00
std::string dailyUnits(Instrument instrument);           // what a daily price of the instrument must be
std::string tickUnits(Instrument instrument);            // what a tick price of the instrument must be

} // namespace tarvello::futuresdb
