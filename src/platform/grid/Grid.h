#pragma once

#include "platform/forms/Control.h"

#include <QTableWidget>

#include <vector>

namespace tarvello::grid {

// The report grid of the main window: a table of texts driven as the reports drive it, through a
// current cell. Setting the row or column count keeps the text of every cell that remains and adds
// empty ones, so a report that is rebuilt overwrites what it writes and keeps the rest. Column widths
// are in twips. The player can scroll and read it, not edit or select in it. BackColor and ForeColor
// colour every cell, the heading row included.
class Grid : public forms::ControlWidget<QTableWidget> {
    Q_OBJECT
public:
    Grid(QWidget *parent, const QString &name);

    int rows() const { return rowCount(); }
    void setRows(int rows);
    int cols() const { return columnCount(); }
    void setCols(int cols);

    // The current cell; text() and setText() read and write it.
    int row() const { return row_; }
    void setRow(int row) { row_ = row; }
    int col() const { return col_; }
    void setCol(int col) { col_ = col; }
    QString text() const { return cellText(row_, col_); }
    void setText(const QString &text);

    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    // Any cell's text; empty outside the grid.
    QString cellText(int row, int col) const;

protected:
    void applyColors() override;

private:
    int row_ = 0;
    int col_ = 0;
    std::vector<int> colTwips_; // the widths as set, in twips
};

} // namespace tarvello::grid
