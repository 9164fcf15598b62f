#pragma once

#include "state/GameState.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tarvello {

class RandomSource;

// The historical period of a game: the lists the options dialog offers, the dates "&Begin" builds from
// them and the random draws of a period the game picks itself. Daily games replay the years 1984 to
// 1997 from 1 January; Tick games the years 1996 and 1997 from a month (One Month) or a quarter start.

inline constexpr int kFirstDailyYear = 1984;
inline constexpr int kLastDailyYear = 1997;
inline constexpr int kFirstTickYear = 1996;
inline constexpr int kLastTickYear = 1997;

// "January" ... "December", and the four quarter starts "January", "April", "July", "October".
const QStringList &monthNames();
const QStringList &quarterStartNames();
// The name of month 1 to 12; empty for any other number.
QString monthName(int month);
// The number of the month a text names, 1 to 12, matched exactly (letter case too); 0 for any other text.
int monthNumber(QStringView name);
// The first month of quarter 1 to 4: 1, 4, 7 or 10.
int quarterStartMonth(int quarter);

// The periods of a game of this length (30, 90, 365) and the calendar months it spans (1, 3, 12); 0 for
// no length.
int16_t gameLengthPeriods(GameLengthOption length);
int lengthMonths(GameLengthOption length);

// The first day of the month, as a day serial; none for a month outside 1 to 12 or a year outside the
// calendar (a year text that was empty reads as 0).
std::optional<double> periodStart(int year, int month);
// The first day of the month after a period of this length that starts on `start`; `start` itself for
// no length.
double periodEnd(double start, GameLengthOption length);

// The random draws, each Int(Rnd * n) over its range and never outside it.
int drawYear(RandomSource &random, DataKind kind);                     // 1984-1997, or 1996-1997 for Tick
int drawTickStartMonth(RandomSource &random, GameLengthOption length); // any month, or a quarter start
int drawMonth(RandomSource &random);                                   // 1-12
int drawQuarterStart(RandomSource &random);                            // 1, 4, 7 or 10
int drawCommodityId(RandomSource &random);                             // 1-6

} // namespace tarvello
