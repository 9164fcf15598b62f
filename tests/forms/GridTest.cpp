#include "platform/forms/Form.h"
#include "platform/grid/Grid.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QPalette>

#include <gtest/gtest.h>

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

} // namespace
} // namespace tarvello::grid
