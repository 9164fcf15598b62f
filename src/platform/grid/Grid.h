#pragma once

#include "platform/forms/Control.h"

#include <QStringList>
#include <QTableView>

#include <functional>
#include <vector>

namespace tarvello::grid {

class GridModel;

// The report grid of the main window: a table of texts driven as the reports drive it, through a
// current cell. Setting the row or column count keeps the text of every cell that remains and adds
// empty ones, so a report that is rebuilt overwrites what it writes and keeps the rest. Column widths
// are in twips. The player can scroll and read it, not edit or select in it. BackColor and ForeColor
// colour every cell, the heading row included; the scroll bars keep the standard colours.
//
// The grid is a view over a model that holds only the cells written one by one. A long run of rows can
// instead be handed over as a function that makes a row's texts from the records they show: the view
// asks for the rows it draws, and a cell read back through the current cell is made the same way, so
// opening a report costs the same whatever the number of its rows.
//
// The view takes the model only when the grid is first shown or drawn (grab() included): handing a
// model to a table view costs more than the rest of the grid, and the main window's two grids stay
// hidden until the player opens a report. Until then the grid keeps the column widths the view will
// draw, so its own members, model(), columnWidth() and rowHeight() answer as they will once it is
// shown; the view's other readers (indexAt(), the scroll bars) see an empty table until then.
class Grid : public forms::ControlWidget<QTableView> {
    Q_OBJECT
public:
    Grid(QWidget *parent, const QString &name);

    int rows() const;
    void setRows(int rows);
    int cols() const;
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

    // Empties every cell at once; the counts, the widths and the current cell stay.
    void clear();

    // The texts of row `row` of a run, counted from the run's first row, in column order; columns past
    // the end of the list are empty. It is called whenever a cell of the run is drawn or read, so what
    // it reads must outlive the run (the run ends when its rows are cleared or given other texts).
    using RowTexts = std::function<QStringList(int row)>;
    // Gives `count` rows from `firstRow` on, in the columns the grid has now, their texts through
    // `texts`, in place of whatever those cells held. Rows outside the grid are left out; cells that
    // are written afterwards, or that go out of the grid, stop being read from the run.
    void setRowTexts(int firstRow, int count, RowTexts texts);

    // The view's readers, answered the same before the view has taken the model.
    QAbstractItemModel *model() const;
    int columnWidth(int col) const;
    int rowHeight(int row) const;

protected:
    void applyColors() override;
    bool event(QEvent *event) override;

private:
    void setUpView();

    GridModel *model_;
    int row_ = 0;
    int col_ = 0;
    std::vector<int> colTwips_;  // the widths as set, in twips
    bool viewSetUp_ = false;     // the view has the model
    std::vector<int> colPixels_; // until then, the width the view will draw each column at
};

} // namespace tarvello::grid
