#include "flow/GamePeriod.h"

#include "common/Random.h"
#include "common/VbDate.h"

namespace tarvello {

const QStringList &monthNames()
{
    static const QStringList names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

const QStringList &quarterStartNames()
{
    static const QStringList names = {QStringLiteral("January"), QStringLiteral("April"),
                                      QStringLiteral("July"), QStringLiteral("October")};
    return names;
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? monthNames().at(month - 1) : QString();
}

int monthNumber(QStringView name)
{
    const QStringList &names = monthNames();
    for (int i = 0; i < names.size(); ++i)
        if (name == names.at(i))
            return i + 1;
    return 0;
}

int quarterStartMonth(int quarter)
{
    return 3 * (quarter - 1) + 1;
}

namespace {

// The periods a game of a length plays and the calendar months it spans.
struct LengthSpan {
    int16_t periods;
    int months;
};

LengthSpan spanOf(GameLengthOption length)
{
    switch (length) {
    case GameLengthOption::OneMonth:
        return {30, 1};
    case GameLengthOption::OneQuarter:
        return {90, 3};
    case GameLengthOption::OneYear:
        return {365, 12};
    case GameLengthOption::None:
        break;
    }
    return {0, 0};
}

} // namespace

int16_t gameLengthPeriods(GameLengthOption length)
{
    return spanOf(length).periods;
}

int lengthMonths(GameLengthOption length)
{
    return spanOf(length).months;
}

std::optional<double> periodStart(int year, int month)
{
    if (month < 1 || month > 12 || year < 100 || year > 9999)
        return std::nullopt;
    return vb::toSerial(year, month, 1);
}

double periodEnd(double start, GameLengthOption length)
{
    const int months = lengthMonths(length);
    return months == 0 ? start : vb::addMonths(start, months);
}

int drawYear(RandomSource &random, DataKind kind)
{
    if (kind == DataKind::Tick)
        return kFirstTickYear - 1 + pick(random, kLastTickYear - kFirstTickYear + 1);
    return kFirstDailyYear - 1 + pick(random, kLastDailyYear - kFirstDailyYear + 1);
}

int drawMonth(RandomSource &random)
{
    return pick(random, 12);
}

int drawQuarterStart(RandomSource &random)
{
    return quarterStartMonth(pick(random, 4));
}

int drawTickStartMonth(RandomSource &random, GameLengthOption length)
{
    return length == GameLengthOption::OneMonth ? drawMonth(random) : drawQuarterStart(random);
}

int drawCommodityId(RandomSource &random)
{
    return pick(random, kInstrumentCount);
}

} // namespace tarvello
