#include "news/ReportTexts.h"

#include "common/Formats.h"
#include "common/VbDate.h"
#include "state/GameState.h"

#include <algorithm>
#include <cmath>

namespace tarvello {

std::array<QString, kNewsColumns> NewsHistoryHeadings()
{
    return {QStringLiteral("  #  "), QStringLiteral("Date"), QStringLiteral("Time"),
            QStringLiteral("Report Title"), QStringLiteral("News Story") + QString(207, QLatin1Char(' '))};
}

QString NewsTitleSizingText()
{
    return QStringLiteral("Government Short-Term Treasury Bill Auction Results:");
}

namespace {

// A stored text that is missing, or that reads "Null", shows as one blank.
QString cellOrBlank(const QString &text)
{
    return text.isEmpty() || text == QLatin1String("Null") ? QStringLiteral(" ") : text;
}

} // namespace

std::array<QString, kNewsColumns> NewsHistoryRow(const NewsItem &item, int number)
{
    return {QString::number(number), vb::shortDate(item.ReleaseDate), vb::shortTime(item.ReleaseTime),
            cellOrBlank(item.Title), cellOrBlank(item.Story)};
}

NewsReportPlace NewsReportPlaceFor(int n)
{
    if (n >= 5)
        return {1692, 1944, 2800};
    const int top = (n + 2) * 150 + 2100;
    return {1452, 1452 + 252, top > 2800 ? 2800 : top};
}

std::array<QString, kTradeColumns> TradeHistoryHeadings()
{
    return {QStringLiteral("  #  "),
            QStringLiteral("Day"),
            QStringLiteral("Time"),
            QStringLiteral("Security"),
            QStringLiteral("Transaction        "),
            QStringLiteral("Amount"),
            QStringLiteral("Price")};
}

std::array<int, kTradeColumns> TradeHistoryExtraWidths()
{
    return {100, 100, 200, 300, 100, 400, 700};
}

QString TickPeriodTime(int16_t period)
{
    static const char *const kTimes[] = {"14:00", "09:00", "10:00", "11:00", "12:00", "13:00"};
    const int slot = period % 6;
    return slot < 0 ? QString() : QLatin1String(kTimes[slot]);
}

namespace {

// T-Bond and Soybean are quoted in fractions, so their prices keep more places.
bool finePriced(Instrument i)
{
    return i == Instrument::TBond || i == Instrument::Soybean;
}

} // namespace

std::array<QString, kTradeColumns> TradeHistoryRow(const TradeRecord &record, int number, DataKind dataType)
{
    const bool tick = dataType == DataKind::Tick;
    const int day = tick ? static_cast<int>(std::floor((record.tradeDay - 1) / 6.0)) + 1 : record.tradeDay;
    const QString price = finePriced(record.security)
                              ? QStringLiteral(" $") + vb::format(record.price, u"#,###.#0####")
                              : QStringLiteral("$") + vb::format(record.price, u"standard");
    return {QString::number(number),
            QString::number(day),
            tick ? TickPeriodTime(record.tradeDay) : QStringLiteral("4:00"),
            QString::fromLatin1(instrumentKey(record.security)),
            record.transaction,
            vb::format(record.units, u"#,##0"),
            price};
}

std::array<QString, kTradeColumns> TradeHistorySeparator()
{
    std::array<QString, kTradeColumns> row;
    const int stars[kTradeColumns] = {7, 7, 9, 15, 21, 15, 15};
    for (int c = 0; c < kTradeColumns; ++c)
        row[static_cast<size_t>(c)] = QString(stars[c], QLatin1Char('*'));
    return row;
}

std::vector<OpenPositionLine> OpenPositionLines(const GameState &state)
{
    struct Row {
        Instrument instrument;
        const char *label;
    };
    static constexpr Row kOrder[] = {{Instrument::Oil, "OIL:"},       {Instrument::Gold, "Gold:"},
                                     {Instrument::TBond, "TBond:"},   {Instrument::SP500, "SP500:"},
                                     {Instrument::Cattle, "Cattle:"}, {Instrument::Soybean, "Soybean:"}};
    std::vector<OpenPositionLine> lines;
    for (const Row &row : kOrder) {
        const InstrumentBook &book = state.book(row.instrument);
        if (book.position == 0.0f)
            continue;
        double sum = 0.0;
        const int lots = std::clamp<int>(book.lotCount, 0, kMaxLots);
        for (int k = 1; k <= lots; ++k)
            sum +=
                std::fabs(book.lots[static_cast<size_t>(k)].units) * book.lots[static_cast<size_t>(k)].price;
        const double average = sum / std::fabs(static_cast<double>(book.position));
        // The average is rounded as it is held (to cents, or to five places) and shown from that.
        const QString text =
            finePriced(row.instrument)
                ? QStringLiteral(" $") + vb::format(vb::roundFormat(average, u"#,###.#0###"), u"#,##0.#0###")
                : QStringLiteral("$") + vb::format(vb::roundFormat(average, u"currency"), u"standard");
        lines.push_back({row.instrument, QLatin1String(row.label), text});
    }
    return lines;
}

std::array<QString, kTradeColumns> OpenPositionRow(const OpenPositionLine &line)
{
    return {QString(),
            QString(),
            QString(),
            line.label,
            QStringLiteral("Average Price of"),
            QStringLiteral("Position  ="),
            line.averagePrice};
}

int TradeGridRows(int32_t totalTrades, int openPositions)
{
    int rows = totalTrades + 2 + openPositions;
    if (openPositions == 0 && totalTrades >= 2)
        --rows;
    return rows;
}

} // namespace tarvello
