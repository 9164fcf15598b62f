#include "platform/grid/Grid.h"
#include "platform/forms/Form.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tarvello::grid {
namespace {

// Every cell as the report code reads it, row by row.
std::vector<QStringList> cells(const Grid &g)
{
    std::vector<QStringList> rows;
    for (int r = 0; r < g.rows(); ++r) {
        QStringList row;
        for (int c = 0; c < g.cols(); ++c)
            row << g.cellText(r, c);
        rows.push_back(row);
    }
    return rows;
}

// Every cell as the view draws it, row by row.
std::vector<QStringList> shown(const Grid &g)
{
    const QAbstractItemModel &m = *g.model();
    std::vector<QStringList> rows;
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m.columnCount(); ++c)
            row << m.data(m.index(r, c), Qt::DisplayRole).toString();
        rows.push_back(row);
    }
    return rows;
}

void write(Grid &g, int row, int col, const QString &text)
{
    g.setRow(row);
    g.setCol(col);
    g.setText(text);
}

class GridTest : public ::testing::Test {
protected:
    forms::Form form{QStringLiteral("frmTest"), 9450, 6555};
    Grid g{form.client(), QStringLiteral("TradeGrid")};
};

TEST_F(GridTest, ANewGridIsTwoByTwoAndEmpty)
{
    EXPECT_EQ(g.kind(), "Grid");
    EXPECT_EQ(g.rows(), 2);
    EXPECT_EQ(g.cols(), 2);
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.col(), 0);
    EXPECT_EQ(cells(g), (std::vector<QStringList>{{"", ""}, {"", ""}}));
    EXPECT_EQ(shown(g), cells(g));
}

TEST_F(GridTest, TheCurrentCellIsWrittenAndReadBack)
{
    g.setRows(3);
    g.setCols(3);
    write(g, 1, 2, QStringLiteral("Gold"));
    EXPECT_EQ(g.row(), 1);
    EXPECT_EQ(g.col(), 2);
    EXPECT_EQ(g.text(), "Gold");
    g.setRow(2);
    EXPECT_EQ(g.text(), "");
    write(g, 1, 2, QStringLiteral("Oil"));
    EXPECT_EQ(cells(g), (std::vector<QStringList>{{"", "", ""}, {"", "", "Oil"}, {"", "", ""}}));
    EXPECT_EQ(shown(g), cells(g));
}

TEST_F(GridTest, CellsOutsideTheGridHoldNothing)
{
    const struct {
        int row;
        int col;
    } outside[] = {{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {5, 5}};
    for (const auto &c : outside) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
        write(g, c.row, c.col, QStringLiteral("x"));
        EXPECT_EQ(g.text(), "");
        EXPECT_EQ(g.cellText(c.row, c.col), "");
    }
    EXPECT_EQ(cells(g), (std::vector<QStringList>{{"", ""}, {"", ""}}));
}

TEST_F(GridTest, ChangingTheSizeKeepsTheCellsThatRemainAndAddsEmptyOnes)
{
    g.setRows(3);
    g.setCols(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            write(g, r, c, QStringLiteral("%1%2").arg(r).arg(c));

    g.setRows(2);
    g.setCols(4);
    EXPECT_EQ(cells(g), (std::vector<QStringList>{{"00", "01", "02", ""}, {"10", "11", "12", ""}}));
    EXPECT_EQ(shown(g), cells(g));

    // What went out of the grid does not come back when it grows again.
    g.setCols(2);
    g.setRows(3);
    g.setCols(3);
    EXPECT_EQ(cells(g), (std::vector<QStringList>{{"00", "01", ""}, {"10", "11", ""}, {"", "", ""}}));
    EXPECT_EQ(shown(g), cells(g));

    // A negative count leaves none.
    g.setRows(-1);
    EXPECT_EQ(g.rows(), 0);
    g.setCols(-3);
    EXPECT_EQ(g.cols(), 0);
    EXPECT_EQ(g.model()->rowCount(), 0);
    EXPECT_EQ(g.model()->columnCount(), 0);
}

TEST_F(GridTest, ColumnWidthsAreKeptInTwipsAndDrawnInPixels)
{
    const int initial = g.colWidth(0);
    EXPECT_EQ(initial, forms::pixelsToTwips(g.columnWidth(0)));
    g.setCols(3);
    g.setColWidth(0, 1000);
    g.setColWidth(2, 5161);
    EXPECT_EQ(g.colWidth(0), 1000);
    EXPECT_EQ(g.colWidth(1), initial);
    EXPECT_EQ(g.colWidth(2), 5161);
    EXPECT_EQ(g.columnWidth(0), forms::twipsToPixels(1000));
    EXPECT_EQ(g.columnWidth(2), forms::twipsToPixels(5161));

    // Outside the columns there is no width to set or read.
    g.setColWidth(3, 700);
    g.setColWidth(-1, 700);
    EXPECT_EQ(g.colWidth(3), 0);
    EXPECT_EQ(g.colWidth(-1), 0);

    // A new column is recorded at the first column's drawn width; widths that remain stay.
    g.setCols(4);
    EXPECT_EQ(g.colWidth(0), 1000);
    EXPECT_EQ(g.colWidth(2), 5161);
    EXPECT_EQ(g.colWidth(3), forms::pixelsToTwips(g.columnWidth(0)));
    EXPECT_EQ(g.columnWidth(2), forms::twipsToPixels(5161));
}

// A run's row texts: "r<row>c<col>" for as many columns as asked, counting the rows made.
struct CountingRows {
    int columns = 2;
    std::shared_ptr<int> made = std::make_shared<int>(0);
    Grid::RowTexts texts(const QString &tag = QStringLiteral("r")) const
    {
        return [cols = columns, made = made, tag](int row) {
            ++*made;
            QStringList list;
            for (int c = 0; c < cols; ++c)
                list << QStringLiteral("%1%2c%3").arg(tag).arg(row).arg(c);
            return list;
        };
    }
};

TEST_F(GridTest, ClearingEmptiesEveryCellAndKeepsTheRest)
{
    g.setRows(3);
    g.setCols(3);
    write(g, 0, 1, QStringLiteral("Day"));
    g.setRowTexts(1, 2, CountingRows{3}.texts());
    g.setColWidth(1, 700);
    g.setRow(2);
    g.setCol(1);
    g.clear();
    EXPECT_EQ(cells(g), (std::vector<QStringList>{{"", "", ""}, {"", "", ""}, {"", "", ""}}));
    EXPECT_EQ(shown(g), cells(g));
    EXPECT_EQ(g.colWidth(1), 700);
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), 1);
}

TEST_F(GridTest, ARunOfRowsIsReadThroughItsTexts)
{
    g.setRows(5);
    g.setCols(3);
    write(g, 0, 0, QStringLiteral("#"));
    write(g, 2, 2, QStringLiteral("gone"));
    // Rows 1 to 3 from the run's row 0 on; its rows give two of the three columns.
    g.setRowTexts(1, 3, CountingRows{2}.texts());
    EXPECT_EQ(
        cells(g),
        (std::vector<QStringList>{
            {"#", "", ""}, {"r0c0", "r0c1", ""}, {"r1c0", "r1c1", ""}, {"r2c0", "r2c1", ""}, {"", "", ""}}));
    EXPECT_EQ(shown(g), cells(g));
    g.setRow(3);
    g.setCol(1);
    EXPECT_EQ(g.text(), "r2c1");

    // A cell written over the run hides it.
    g.setText(QStringLiteral("mine"));
    EXPECT_EQ(g.cellText(3, 1), "mine");
    EXPECT_EQ(g.cellText(3, 0), "r2c0");
    EXPECT_EQ(shown(g), cells(g));
}

TEST_F(GridTest, RunsGiveWayToLaterRunsAndToTheGridsEdges)
{
    const struct {
        const char *what;
        int first;
        int count;
        std::vector<QString> column0; // rows 0 to 5
    } cases[] = {
        {"inside the first run", 2, 2, {"", "a0", "b0", "b1", "a3", ""}},
        {"over its start", 0, 2, {"b0", "b1", "a1", "a2", "a3", ""}},
        {"over its end", 4, 2, {"", "a0", "a1", "a2", "b0", "b1"}},
        {"over all of it", 1, 4, {"", "b0", "b1", "b2", "b3", ""}},
        {"from above the grid", -2, 4, {"b2", "b3", "a1", "a2", "a3", ""}},
        {"past its end", 5, 9, {"", "a0", "a1", "a2", "a3", "b0"}},
        {"of no rows", 2, 0, {"", "a0", "a1", "a2", "a3", ""}},
        {"below the grid", 6, 3, {"", "a0", "a1", "a2", "a3", ""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        g.setRows(6);
        g.setCols(1);
        g.clear();
        g.setRowTexts(1, 4, CountingRows{1}.texts(QStringLiteral("a")));
        g.setRowTexts(c.first, c.count, CountingRows{1}.texts(QStringLiteral("b")));
        std::vector<QString> column0;
        for (int r = 0; r < g.rows(); ++r)
            column0.push_back(g.cellText(r, 0).remove(QStringLiteral("c0")));
        EXPECT_EQ(column0, c.column0);
        EXPECT_EQ(shown(g), cells(g));
    }
}

TEST_F(GridTest, RunCellsThatGoOutOfTheGridDoNotComeBack)
{
    g.setRows(4);
    g.setCols(3);
    g.setRowTexts(0, 4, CountingRows{3}.texts());
    g.setRows(2);
    g.setCols(2);
    g.setRows(4);
    g.setCols(3);
    EXPECT_EQ(cells(g), (std::vector<QStringList>{
                            {"r0c0", "r0c1", ""}, {"r1c0", "r1c1", ""}, {"", "", ""}, {"", "", ""}}));
    EXPECT_EQ(shown(g), cells(g));
}

TEST_F(GridTest, ARunMakesOnlyTheRowsThatAreDrawnOrRead)
{
    form.resize(630, 437);
    g.setGeometry(0, 0, 400, 100);
    g.setRows(100001);
    g.setCols(3);
    CountingRows rows{3};
    g.setRowTexts(1, 100000, rows.texts());
    EXPECT_EQ(*rows.made, 0);

    // Reading a row cell by cell makes it once.
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(g.cellText(50000, c), QStringLiteral("r49999c%1").arg(c));
    EXPECT_EQ(*rows.made, 1);

    // Drawing makes the rows in sight.
    *rows.made = 0;
    g.grab();
    EXPECT_GT(*rows.made, 0);
    EXPECT_LE(*rows.made, 100 / g.rowHeight(1) + 1);
}

TEST_F(GridTest, ThePlayerReadsButCannotEditOrSelect)
{
    g.setBackColor(0xFF0000);
    g.setForeColor(0x00FFFF);
    EXPECT_EQ(g.palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(g.palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(g.palette().color(QPalette::Text), QColor(255, 255, 0));
    EXPECT_EQ(g.palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(g.selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(g.focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(g.wordWrap());
    EXPECT_EQ(g.textElideMode(), Qt::ElideNone);
    EXPECT_FALSE(g.horizontalHeader()->isVisible());
    EXPECT_TRUE(g.horizontalHeader()->isHidden());
    EXPECT_TRUE(g.verticalHeader()->isHidden());
    EXPECT_EQ(g.verticalHeader()->defaultSectionSize(), forms::twipsToPixels(240));
    EXPECT_EQ(g.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(g.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

// What a grid shows and answers: everything a report reads back, and what the view draws from.
void expectSameGrid(const Grid &g, const Grid &like)
{
    EXPECT_EQ(g.rows(), like.rows());
    EXPECT_EQ(g.cols(), like.cols());
    EXPECT_EQ(g.row(), like.row());
    EXPECT_EQ(g.col(), like.col());
    EXPECT_EQ(cells(g), cells(like));
    EXPECT_EQ(shown(g), shown(like));
    for (int c = -1; c <= like.cols(); ++c) {
        EXPECT_EQ(g.colWidth(c), like.colWidth(c)) << "column " << c;
        EXPECT_EQ(g.columnWidth(c), like.columnWidth(c)) << "column " << c;
    }
    for (int r = -1; r <= like.rows(); ++r)
        EXPECT_EQ(g.rowHeight(r), like.rowHeight(r)) << "row " << r;
    EXPECT_EQ(g.backColor(), like.backColor());
    EXPECT_EQ(g.foreColor(), like.foreColor());
    EXPECT_EQ(g.palette(), like.palette());
    EXPECT_EQ(g.fontSpec(), like.fontSpec());
    EXPECT_EQ(g.font(), like.font());
}

// A grid filled while it is hidden reads, and once shown draws, exactly as one that was on the screen
// all along: its view is set up only when it is first needed.
TEST_F(GridTest, AGridFilledWhileHiddenShowsAsOneFilledOnTheScreen)
{
    const struct {
        const char *what;
        void (*fill)(Grid &);
    } cases[] = {
        {"as built", [](Grid &) {}},
        {"a report with its widths, colours and font",
         [](Grid &g) {
             g.setRows(6);
             g.setCols(4);
             const int widths[] = {500, 1000, 2000, 1500};
             for (int c = 0; c < 4; ++c) {
                 g.setColWidth(c, widths[c]);
                 write(g, 0, c, QStringLiteral("Head %1").arg(c));
             }
             g.setRowTexts(1, 5, CountingRows{4}.texts());
             g.setColors(0x000000, 0x00FFFF);
             g.setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
             g.setRow(5);
             g.setCol(3);
         }},
        {"columns added after the widths were set",
         [](Grid &g) {
             g.setCols(3);
             g.setColWidth(0, 1000);
             g.setColWidth(2, 3000);
             g.setCols(6);
             write(g, 1, 5, QStringLiteral("far right"));
         }},
        {"columns taken away and added again",
         [](Grid &g) {
             g.setCols(5);
             for (int c = 0; c < 5; ++c)
                 g.setColWidth(c, 400 * (c + 1));
             g.setCols(2);
             g.setCols(4);
             g.setCols(0);
             g.setCols(3);
             g.setColWidth(1, 2500);
         }},
        {"widths the view cannot draw",
         [](Grid &g) {
             g.setCols(3);
             g.setColWidth(0, -300);
             g.setColWidth(1, 0);
             g.setColWidth(2, 2000000000);
             g.setCols(4);
         }},
        {"more rows and columns than fit",
         [](Grid &g) {
             g.setRows(200);
             g.setCols(9);
             g.setColWidth(8, 4000);
             g.setRowTexts(0, 200, CountingRows{9}.texts());
             g.setBackColor(0xC0C0C0);
         }},
        {"emptied and shrunk",
         [](Grid &g) {
             g.setRows(40);
             g.setCols(3);
             g.setRowTexts(0, 40, CountingRows{3}.texts());
             g.clear();
             g.setRows(1);
             write(g, 0, 2, QStringLiteral("left"));
         }},
    };
    form.showModeless();
    const forms::TwipRect place{0, 0, 6100, 1452};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Grid onScreen{form.client(), QStringLiteral("onScreen")};
        onScreen.setTwipRect(place);
        onScreen.setVisible(true);
        Grid hidden{form.client(), QStringLiteral("hidden")};
        hidden.setTwipRect(place);
        hidden.setVisible(false);
        Grid neverShown{form.client(), QStringLiteral("neverShown")};
        neverShown.setTwipRect(place);
        neverShown.setVisible(false);
        for (Grid *g : {&onScreen, &hidden, &neverShown})
            c.fill(*g);
        QApplication::processEvents();

        expectSameGrid(hidden, onScreen);
        expectSameGrid(neverShown, onScreen);

        hidden.setVisible(true);
        QApplication::processEvents();
        expectSameGrid(hidden, onScreen);
        for (auto bar :
             {&QAbstractScrollArea::verticalScrollBar, &QAbstractScrollArea::horizontalScrollBar}) {
            EXPECT_EQ((hidden.*bar)()->isVisible(), (onScreen.*bar)()->isVisible());
            EXPECT_EQ((hidden.*bar)()->maximum(), (onScreen.*bar)()->maximum());
            EXPECT_EQ((hidden.*bar)()->pageStep(), (onScreen.*bar)()->pageStep());
        }
        const QImage drawn = onScreen.grab().toImage();
        EXPECT_EQ(hidden.grab().toImage(), drawn);
        EXPECT_EQ(neverShown.grab().toImage(), drawn); // drawn without ever being shown
        EXPECT_FALSE(neverShown.isVisible());
    }
}

} // namespace
} // namespace tarvello::grid
