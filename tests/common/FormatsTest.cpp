#include "common/Formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace tarvello::vb;

namespace {

struct FormatCase {
    double value;
    bool single; // format the value as a Single (float) rather than a Double
    const char16_t *pattern;
    const char16_t *expected;
};

void expectFormats(std::initializer_list<FormatCase> cases)
{
    for (const FormatCase &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 \"%3\"")
                         .arg(c.value, 0, 'g', 17)
                         .arg(c.single ? u"single" : u"double")
                         .arg(QString::fromUtf16(c.pattern))
                         .toStdString());
        const QString text =
            c.single ? format(static_cast<float>(c.value), c.pattern) : format(c.value, c.pattern);
        EXPECT_EQ(text, QString::fromUtf16(c.expected));
    }
}

} // namespace

TEST(Formats, NamedFormats)
{
    expectFormats({
        {1234.5, false, u"standard", u"1,234.50"},
        {1234.5, false, u"Standard", u"1,234.50"},
        {1234.5, false, u"STANDARD", u"1,234.50"},
        {-0.5, false, u"standard", u"-0.50"},
        {-0.35, false, u"standard", u"-0.35"},
        {100000, false, u"standard", u"100,000.00"},
        {-1234567.891, false, u"standard", u"-1,234,567.89"},
        {0, false, u"standard", u"0.00"},
        {-0.004, false, u"standard", u"0.00"}, // rounds to zero: no minus
        {999.995, false, u"standard", u"1,000.00"},
        {2.675, false, u"standard", u"2.68"}, // the binary value is 2.67499999…
        {1.625, true, u"standard", u"1.63"},
        {0.045, true, u"standard", u"0.05"}, // the Single is 0.0449999…
        {1234.5, false, u"currency", u"$1,234.50"},
        {-1234.5, false, u"Currency", u"($1,234.50)"},
        {19.876, true, u"currency", u"$19.88"},
        {0, false, u"currency", u"$0.00"},
        {-0.004, false, u"currency", u"$0.00"},
        {0.0525, false, u"Percent", u"5.25%"},
        {-0.1, false, u"percent", u"-10.00%"},
        {-1.025, false, u"Percent", u"-102.50%"},
        {0, false, u"Percent", u"0.00%"},
        {0.0375, true, u"Percent", u"3.75%"}, // the Single is 0.0375000015
        {55000.0 / 75000.0, false, u"percent", u"73.33%"},
        {12.5, false, u"percent", u"1250.00%"},
        {1234.5, false, u"Fixed", u"1234.50"},
        {-0.125, false, u"fixed", u"-0.13"},
    });
}

TEST(Formats, DigitPatterns)
{
    expectFormats({
        {1000, false, u"#,##0", u"1,000"},
        {-500, false, u"#,##0", u"-500"},
        {0, false, u"#,##0", u"0"},
        {1234567, false, u"#,##0", u"1,234,567"},
        {2.5, false, u"#,##0", u"3"},
        {-2.5, false, u"#,##0", u"-3"},
        {-0.4, false, u"#,##0", u"0"},
        {1e20, false, u"#,##0", u"100,000,000,000,000,000,000"},
        {24, false, u"#,###", u"24"},
        {1234, false, u"#,###", u"1,234"},
        {0, false, u"#,###", u""},
        {1234.5, false, u"#,###.#0", u"1,234.50"},
        {0.5, false, u"#,###.#0", u".50"},
        {-1234.567, false, u"#,###.#0", u"-1,234.57"},
        {0, false, u"#,###.#0", u".00"},
        {0, true, u"#.###", u"."},
        {0.25, true, u"#.###", u".25"},
        {0.9996, true, u"#.###", u"1."},
        {1234.5, false, u"#.###", u"1234.5"},
        {110.15625, false, u"#,###.#0#####", u"110.15625"},
        {64.5, false, u"#,###.#0#####", u"64.50"},
        {1.123456789, false, u"#,###.#0#####", u"1.1234568"},
        {110.15625, true, u"#,###.#0#####", u"110.15625"}, // a Single's own shortest form
        {6.1225, false, u"#,##.#0##", u"6.1225"},
        {6.12, false, u"#,##.#0##", u"6.12"},
        {1234.56789, false, u"#,##.#0##", u"1,234.5679"},
        {95.53125, false, u"#,###.#####", u"95.53125"},
        {5.123456, false, u"#,###.#####", u"5.12346"},
        {100, false, u"#,###.#####", u"100."},
        {5.805, false, u"#,###.######", u"5.805"},
        {6.1, false, u"#,###.#0##", u"6.10"},
        {0.015625, false, u"#,##0.#####", u"0.01563"},
        {12345.5, false, u"#,##0.#####", u"12,345.5"},
        {30.0000000000011, false, u"#,###.0##", u"30.0"},
        {0.10004, true, u"#,###.###0", u".1000"},
        {0.12345, false, u"#,###.###0", u".1235"},
        {100.15, true, u"#,###.##", u"100.15"},
        {100, true, u"#,###.##", u"100."},
        {0.5, false, u"#,###.#0####", u".50"},
        {97.53125, false, u"#,###.#0###", u"97.53125"},
        {97.53125, false, u" $#,##0.#0###", u" $97.53125"},
        {18.25, true, u"\\$#,##0", u"$18"},
        {19.5, true, u"\\$#,##0", u"$20"},
        {-5, false, u"$#,##0", u"-$5"},
        {0.5, false, u"0.0\"%\"", u"0.5%"}, // a quoted "%" is only text
        {20.5, true, u"", u"20.5"},         // no pattern: the general text
        {579.25 - 580.13, false, u"", u"-0.879999999999995"},
        // A pattern rounds a Double's 15-digit form, itself rounded from the exact value.
        {579.25 - 580.13, false, u"#,##0.###############", u"-0.879999999999995"},
        {2.0000000000000049, false, u"#,##0.##############", u"2."},
    });
    // Whole numbers of any width format without a cast at the call.
    EXPECT_EQ(format(int16_t(-1234), u"#,##0"), u"-1,234");
    EXPECT_EQ(format(1000, u"#,##0"), u"1,000");
}

TEST(Formats, SinglesStartFromTheirShortestFormInNamedFormatsAndPatterns)
{
    // The shortest text that reads back as the same Single is what gets rounded: a cut to 7 digits
    // first would lose the cents of 100951.25 (100951.3) and round twice.
    expectFormats({
        {100951.25, true, u"Standard", u"100,951.25"},
        {100951.25, true, u"standard", u"100,951.25"},
        {100951.25, true, u"currency", u"$100,951.25"},
        {-100951.25, true, u"currency", u"($100,951.25)"},
        {-100951.25, true, u"Standard", u"-100,951.25"},
        {100951.25, true, u"#,##0.00", u"100,951.25"},
        {100951.25, true, u"#,##0", u"100,951"},
        {123456.789, true, u"standard", u"123,456.79"}, // the Single is 123456.7890625
        {0.1, true, u"standard", u"0.10"},
        {0.1, true, u"#,###.#0####", u".10"},
        {1e7, true, u"standard", u"10,000,000.00"},
        {16777217, true, u"standard", u"16,777,216.00"}, // the nearest Single is 16777216
        {16777217, true, u"#,##0", u"16,777,216"},
        {2.675, true, u"standard", u"2.68"},  // the Single is 2.67499995…, its shortest form 2.675
        {-2.675, true, u"currency", u"($2.68)"},
        {1.005, true, u"standard", u"1.01"},  // the Single is 1.00499999…
        {0.125, true, u"standard", u"0.13"},  // a half at the rounding digit goes away from zero
        {-0.125, true, u"standard", u"-0.13"},
        {99999.995, true, u"standard", u"99,999.99"}, // the Single is 99999.9921875, shortest 99999.99
        {0.0375, true, u"Percent", u"3.75%"},
        {100.0078125, true, u"#,###.#0####", u"100.00781"},
        {100.0078125, true, u"#,###.#0###", u"100.00781"},
        {100951.25, true, u"", u"100951.3"}, // the general text keeps 7 digits
    });
    EXPECT_EQ(str(100951.25f), u"100951.3");
    EXPECT_EQ(roundFormat(100951.25f, u"currency"), 100951.25);
    EXPECT_EQ(roundFormat(100951.25f, u""), 100951.3);
}

TEST(Formats, NonFiniteValuesDoNotCrash)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(format(nan, u"standard"), u"NaN");
    EXPECT_EQ(format(-inf, u"#,##0"), u"-Infinity");
    EXPECT_EQ(str(static_cast<float>(inf)), u"Infinity");
    EXPECT_TRUE(std::isinf(roundFormat(inf, u"currency"))); // never silently 0
}

TEST(Formats, GeneralNumberText)
{
    struct Case {
        double value;
        bool single;
        const char16_t *expected;
    };
    const Case cases[] = {
        {20.5, true, u"20.5"},
        {19, true, u"19"},
        {455.6, true, u"455.6"},
        {0.1, true, u"0.1"},
        {-3, true, u"-3"},
        {110.15625, true, u"110.1563"},
        {0.75, false, u"0.75"},
        {-0.0, false, u"0"},
        {110.15625, false, u"110.15625"},
        {6.1225, false, u"6.1225"},
        {0.1 + 0.2, false, u"0.3"},
        {30.0000000000011, false, u"30.0000000000011"},
        {123456789012345, false, u"123456789012345"},
        {0.00001, false, u"0.00001"},
        {1e16, false, u"1E+16"},
        {-1.5e-7, false, u"-1.5E-07"},
        // A Double's 15 digits are rounded once, from its exact value: rounding its shortest form
        // (-0.87999999999999545, 2.000000000000005) again would carry a digit that is not there.
        {579.25 - 580.13, false, u"-0.879999999999995"},    // -0.8799999999999954525…
        {2.0000000000000049, false, u"2"},                  // 2.0000000000000048849…
        {1.0000000000000051, false, u"1.00000000000001"},   // 1.0000000000000051070…
        {123456.78901234549, false, u"123456.789012345"},   // 123456.7890123454853…
        {1000000000000005, false, u"1.00000000000001E+15"}, // an exact half goes away from zero
        {-1000000000000005, false, u"-1.00000000000001E+15"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        const QString text = c.single ? str(static_cast<float>(c.value)) : str(c.value);
        EXPECT_EQ(text, QString::fromUtf16(c.expected));
    }
    EXPECT_EQ(str(int16_t(1000)), u"1000");
}

TEST(Formats, ReadBack)
{
    struct Case {
        const char16_t *text;
        double expected;
    };
    const Case cases[] = {
        {u"1,234.50", 1234.5},
        {u"-0.50", -0.5},
        {u"$-1,234.50", -1234.5},
        {u"($1,234.50)", -1234.5},
        {u"-$5", -5},
        {u"5.25%", 0.0525},
        {u"-102.50%", -1.025},
        {u".50", 0.5},
        {u"100.", 100},
        {u" 12 ", 12},
        {u"1E+16", 1e16},
        {u"", 0},
        {u".", 0},
        {u" $97.53125", 97.53125},
        {u"abc", 0},
        {u"NaN", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_DOUBLE_EQ(readBack(c.text), c.expected);
    }
}

TEST(Formats, RoundingByFormatAndReadBack)
{
    EXPECT_EQ(roundFormat(19.876f, u"currency"), 19.88);
    EXPECT_EQ(roundFormat(-1234.567, u"#,###.#0"), -1234.57);
    EXPECT_EQ(roundFormat(5.123456, u"#,##0.#####"), 5.12346);
    EXPECT_EQ(roundFormat(95.53125, u"#,##0.#####"), 95.53125);
    EXPECT_EQ(roundFormat(0.015625, u"#,##0.#####"), 0.01563);
    EXPECT_EQ(roundFormat((99.53 - 99.50) * 1000, u"#,###.0##"), 30.0);
    EXPECT_EQ(roundFormat(0.0f, u"#.###"), 0.0);
    EXPECT_EQ(roundFormat(1234567.0, u"standard"), 1234567.0);
    EXPECT_EQ(roundFormat(2.0000000000000049, u"#,##0.##############"), 2.0); // one rounding, as shown
    // The rating's gain is a Single rounded to four places and must land on the Single band edge.
    EXPECT_EQ(static_cast<float>(roundFormat(10004.0f / 100000.0f, u"#,###.###0")), 0.1f);
    // Gold: a price difference rounded to cents gives whole dollars per contract.
    EXPECT_EQ(roundFormat(21.50f - 19.87f, u"currency") * 1000, 1630.0);
}

TEST(Formats, NumberTestAndValueShareOneGrammar)
{
    struct Case {
        const char16_t *text;
        bool numeric;
        double value;
    };
    const Case cases[] = {
        {u"1,000", true, 1000},   {u" 7 ", true, 7},     {u"+5", true, 5},      {u"1e3", true, 1000},
        {u"-3", true, -3},        {u"2.5", true, 2.5},   {u".5", true, 0.5},    {u"5.", true, 5},
        {u"1,0000", true, 10000}, {u"1E-2", true, 0.01}, {u"\t12\t", true, 12}, {u"-1.5e+2", true, -150},
        {u"12a", false, 0},       {u"", false, 0},       {u"  ", false, 0},     {u".", false, 0},
        {u"-", false, 0},         {u"1e", false, 0},     {u"$5", false, 0},     {u"(3)", false, 0},
        {u"1,", false, 0},        {u",5", false, 0},     {u"5-", false, 0},     {u"&H10", false, 0},
        {u"1 000", false, 0},     {u"--5", false, 0},    {u"1.2.3", false, 0},  {u"1e400", false, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(isNumeric(c.text), c.numeric);
        EXPECT_EQ(numericValue(c.text), c.value);
    }
}

TEST(Formats, RoundingReadsBackWhatTheTextShows)
{
    // Named two-decimal formats and digit patterns round without building their text; the result must
    // be what the text reads back as, halves, negatives and large values included.
    std::vector<double> values = {0.005, -0.005, 0.015,  2.675,        -2.675,        1234.565, 0.0,
                                  -0.0,  -0.001, 0.0005, 1e15 + 0.125, 123456789.125, 1e25,     -3e-9};
    for (int i = -2000; i <= 2000; ++i)
        values.push_back(i * 0.00125 + i * 1.7);
    for (const char16_t *pattern : {u"standard", u"Currency", u"fixed", u"#,##.#0##", u"#,###.#####",
                                    u"#,###.######", u"#.###", u"#,##0", u"0.00", u"#,###.#0"}) {
        for (double v : values) {
            SCOPED_TRACE(QString::fromUtf16(pattern).toStdString() + " " + std::to_string(v));
            EXPECT_EQ(roundFormat(v, pattern), readBack(format(v, pattern)));
            const float single = static_cast<float>(v);
            EXPECT_EQ(roundFormat(single, pattern), readBack(format(single, pattern)));
        }
    }
}
