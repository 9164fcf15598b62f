// The tick loader converts raw quotes to prices arithmetically. These tests hold its results against
// the conversion as the game words it: through the formatted text, read back.
#include "data/TickData.h"

#include "common/Formats.h"
#include "common/VbMath.h"
#include "data/PriceSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace tarvello;

namespace {

constexpr int kSoybean = 5, kTBond = 6;

// The conversion through the text: ten times the quote in "Standard" (Cattle, Gold, Oil, SP500); the
// 32nds or eighths after the point, each rounded by "standard", for T-Bond and Soybean, Soybean's
// dollars then written with "#,###.######". Every text is read back as a number.
float convertThroughText(int id, float quote)
{
    if (id != kSoybean && id != kTBond)
        return static_cast<float>(vb::readBack(vb::format(quote * 10.0f, u"Standard")));
    const float whole = static_cast<float>(vb::Int(quote));
    const float fraction = quote - whole;
    const double places = vb::readBack(vb::format(fraction, u"standard"));
    if (id == kTBond)
        return static_cast<float>(whole + places * 100.0 / 32.0);
    const double dollars = (whole + places / 0.8) / 100.0;
    return static_cast<float>(vb::readBack(vb::format(dollars, u"#,###.######")));
}

// Equal to the bit; two NaNs count as equal.
bool sameFloat(float a, float b)
{
    return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b) || (std::isnan(a) && std::isnan(b));
}

struct Quote {
    int id;
    float quote;
};

void expectBothWays(const std::vector<Quote> &quotes)
{
    int mismatches = 0;
    for (const Quote &q : quotes) {
        const float expected = convertThroughText(q.id, q.quote);
        const float actual = ConvertTickPrice(q.id, q.quote);
        if (!sameFloat(actual, expected) && ++mismatches <= 20) {
            ADD_FAILURE() << "CommodityID " << q.id << " quote " << q.quote << " (bits "
                          << std::bit_cast<uint32_t>(q.quote) << "): " << actual << " instead of "
                          << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace

// Every distinct quote of every instrument in the sample price database that the build makes.
TEST(TickPriceConversion, EveryQuoteOfTheSampleConvertsAsThroughTheText)
{
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kPriceFileName));
    ASSERT_TRUE(QFile::exists(path)) << "no sample price database at " << path.toStdString()
                                     << ": the build makes it (target futures_db_sample)";
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt *stmt = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(db, "SELECT DISTINCT CommodityID, realprice FROM TickData", -1, &stmt, nullptr),
        SQLITE_OK);
    std::vector<Quote> quotes;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        quotes.push_back({sqlite3_column_int(stmt, 0), static_cast<float>(sqlite3_column_double(stmt, 1))});
    sqlite3_finalize(stmt);
    sqlite3_close(db);

    ASSERT_GT(quotes.size(), 1000u);
    for (int id = 1; id <= 6; ++id)
        EXPECT_TRUE(std::any_of(quotes.begin(), quotes.end(), [id](const Quote &q) { return q.id == id; }))
            << id;
    expectBothWays(quotes);
}

// Quotes the sample never holds: half steps, where the decimal form and the binary value part ways,
// fractions that round up to a whole, signs, and sizes at both ends. (A quote whose price is no finite
// Single never reaches the conversion: the loader refuses it.)
TEST(TickPriceConversion, EdgeQuotesConvertAsThroughTheText)
{
    const float edges[] = {
        0.0f,    -0.0f,   2.0675f,    2.0665f,   0.2675f,   1.0005f, -2.0675f, -0.0004f,
        98.995f, 98.315f, 99.999f,    580.995f,  580.125f,  580.4f,  -580.4f,  0.001f,
        1e-30f,  1e-45f,  12345.675f, 99999.99f, 123456.7f, 1e9f,    3e37f,    -3e37f,
        1.005f,  1.015f,  1.025f,     1.035f,    1.045f,    1.055f,  1.065f,   1.075f,
    };
    std::vector<Quote> quotes;
    for (int id = 1; id <= 6; ++id)
        for (float q : edges)
            quotes.push_back({id, q});
    expectBothWays(quotes);
}

// Many quotes drawn at random, at the sizes prices take, each also on the three decimals a quote
// carries and at the next float either side of that.
TEST(TickPriceConversion, DrawnQuotesConvertAsThroughTheText)
{
    std::mt19937 draw(20240521u);
    std::uniform_real_distribution<double> magnitude(-3.0, 5.0);
    std::vector<Quote> quotes;
    for (int n = 0; n < 20000; ++n) {
        const int id = 1 + n % 6;
        const double value = std::pow(10.0, magnitude(draw));
        const float onGrid = static_cast<float>(std::round(value * 1000.0) / 1000.0);
        for (float q : {static_cast<float>(value), onGrid, std::nextafter(onGrid, 0.0f),
                        std::nextafter(onGrid, std::numeric_limits<float>::max())})
            quotes.push_back({id, q});
    }
    expectBothWays(quotes);
}
