#include "CheckReport.h"

#include "TradingTimes.h"

#include "common/VbDate.h"

#include <cmath>
#include <cstdio>

namespace tarvello::futuresdb {

void CheckReport::add(const std::string &rule, std::string message)
{
    ++m_total;
    if (m_counts[rule]++ == 0)
        m_rules.push_back(rule);
    if (m_counts[rule] <= kViolationsListedPerRule)
        m_listed.push_back({rule, std::move(message)});
}

bool CheckReport::listing(const std::string &rule) const
{
    const auto it = m_counts.find(rule);
    return it == m_counts.end() || it->second < kViolationsListedPerRule;
}

std::vector<Violation> CheckReport::violations() const
{
    std::vector<Violation> all = m_listed;
    for (const std::string &rule : m_rules)
        if (const long long more = m_counts.at(rule) - kViolationsListedPerRule; more > 0)
            all.push_back({rule, "... and " + std::to_string(more) + " more " + rule + " " + m_noun});
    return all;
}

std::string dateText(int serial)
{
    return vb::fromSerial(serial).toString(Qt::ISODate).toStdString();
}

std::string dateTimeText(double serial)
{
    const QDate date = vb::fromSerial(serial);
    if (!date.isValid())
        return numberText(serial);
    const long long seconds = std::llround((serial - std::floor(serial)) * 86400.0);
    std::string text = date.toString(Qt::ISODate).toStdString();
    char time[64];
    if (seconds % 60 != 0)
        std::snprintf(time, sizeof time, " %02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else if (seconds != 0)
        std::snprintf(time, sizeof time, " %02lld:%02lld", seconds / 3600, seconds / 60 % 60);
    else
        time[0] = '\0';
    return text + time;
}

std::string numberText(double value)
{
    // Ten digits: the stored values are decimal prices and dates, and a value such as 17.549999999999997
    // reads better as the 17.55 it was meant to be.
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string windowText(Instrument instrument, int slot)
{
    const int start = referenceMinute(instrument, slot), end = start + kSlotWindowMinutes;
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d-%02d:%02d", start / 60, start % 60, end / 60, end % 60);
    return text;
}

std::string dailyUnits(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Soybean:
        return "Soybean cents in whole eighths of a cent (581.25)";
    case Instrument::TBond:
        return "T-Bond points as a decimal number in whole 32nds (98.5 for 98 16/32)";
    default:
        return "a price";
    }
}

std::string tickUnits(Instrument instrument)
{
    switch (instrument) {
    case Instrument::Soybean:
        return "Soybean cents and eighths (580.4 = 580 4/8 cents)";
    case Instrument::TBond:
        return "T-Bond points and two digits of 32nds (98.16 = 98 16/32)";
    default:
        return "a tenth of the " + std::string(instrumentKey(instrument)) + " price (2.05 for 20.50)";
    }
}

} // namespace tarvello::futuresdb
