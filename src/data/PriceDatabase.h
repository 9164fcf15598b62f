#pragma once

#include "common/Instrument.h"
#include "platform/db/Database.h"
#include "state/PriceDatabaseState.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace tarvello {

// How a failed open is reported: a notice with this title, the failure's description and this code,
// after which the program ends.
inline constexpr const char *kOpenFailureTitle = "Tarvello";
inline constexpr int16_t kOpenFailureCode = 1;

// Start-up defaults: the database path in `programDirectory`, the workspace user, the instrument keys,
// the charted instrument (Oil) and the default start date (15 December 1990). The caller resets the
// trading calendar and the price series afterwards.
void InitDatabaseGlobals(PriceDatabaseState &state, const QString &programDirectory,
                         int32_t &SelectedCommodity, double &StartDate);

// Opens the workspace and the database at `path`, read-only, with the game's password. Whatever was
// open before is closed first, so that start-up and every game load share one handle. A price table
// that is present but holds no stored rows (a view, a virtual table, a column computed when read) is
// refused before anything of it is read, since reading it has no bound. On failure
// nothing is left open and the description says why; the caller then shows the notice titled
// kOpenFailureTitle with that description and code kOpenFailureCode (the notification box's
// ShowNotification(title, description, "", code)) and ends the program when it is closed.
db::Status OpenPriceDatabase(PriceDatabaseState &state, const QString &path);

// Closes the database and then the workspace, whatever is open; closing twice is harmless. Always
// returns true.
bool CloseDatabase(PriceDatabaseState &state);

// The News text of the OverviewNews row for a day and a CommodityID (0: the disclaimer), or an empty
// text when there is none or the database cannot answer.
QString GetOverviewNews(const PriceDatabaseState &state, double date, int32_t commodityId);
// The same look-up for a caller that must tell a failed query (the database cannot answer) from a
// missing row (an empty text).
db::Result<QString> ReadOverviewNews(const PriceDatabaseState &state, double date, int32_t commodityId);

// The day the disclaimer text is filed under, with CommodityID 0: 17 October 1965.
double DisclaimerDate();

// The game's queries. Dates are day serials, written into the text in the short date form; the texts
// are the game's own, blanks included, and run unchanged.
QString TickCalendarQuery(double startDate, double endDate);
QString DailyCalendarQuery(double startDate, double endDate);
// Neither row query orders its rows: the tables' keys return them in date order.
QString DailyRowsQuery(int32_t commodityId, double startDate, double endDate);
QString TickRowsQuery(int32_t commodityId, double startDate, double endDate);
QString OverviewNewsQuery(double date, int32_t commodityId);
// The news releases of one day from `windowStart` (a time of day, written with seconds) up to
// `windowEnd` as the caller words it ("11:01 am").
QString NewsReleasesQuery(double day, double windowStart, const QString &windowEnd);
// The news releases dated from `startDate` up to `endDate` (excluded), unordered: the table's key
// returns them by day, time and title.
QString PeriodNewsReleasesQuery(double startDate, double endDate);
// The OverviewNews rows of the given days, every CommodityID.
QString OverviewStoriesQuery(const std::vector<double> &days);

} // namespace tarvello
