#include "platform/grid/Grid.h"

#include "platform/forms/Twips.h"

#include <QHeaderView>

namespace tarvello::grid {

Grid::Grid(QWidget *parent, const QString &name)
    : ControlWidget(parent, name, QStringLiteral("Grid"), false, 0xFFFFFF, 0x000000)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone); // a cell shows what fits, as a plain table does
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->setDefaultSectionSize(forms::twipsToPixels(240));
    setRows(2);
    setCols(2);
    applyColors();
}

void Grid::setRows(int rows)
{
    setRowCount(rows < 0 ? 0 : rows);
}

void Grid::setCols(int cols)
{
    setColumnCount(cols < 0 ? 0 : cols);
    colTwips_.resize(static_cast<size_t>(columnCount()), forms::pixelsToTwips(columnWidth(0)));
}

void Grid::setText(const QString &text)
{
    if (row_ < 0 || row_ >= rowCount() || col_ < 0 || col_ >= columnCount())
        return; // a cell outside the grid holds nothing
    QTableWidgetItem *cell = item(row_, col_);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row_, col_, cell);
    }
    cell->setText(text);
}

QString Grid::cellText(int row, int col) const
{
    const QTableWidgetItem *cell = item(row, col);
    return cell ? cell->text() : QString();
}

int Grid::colWidth(int col) const
{
    if (col < 0 || col >= static_cast<int>(colTwips_.size()))
        return 0;
    return colTwips_[static_cast<size_t>(col)];
}

void Grid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= columnCount())
        return;
    colTwips_[static_cast<size_t>(col)] = twips;
    setColumnWidth(col, forms::twipsToPixels(twips));
}

void Grid::applyColors()
{
    QPalette p = palette();
    p.setColor(QPalette::Base, forms::toQColor(backColor()));
    p.setColor(QPalette::Window, forms::toQColor(backColor()));
    p.setColor(QPalette::Text, forms::toQColor(foreColor()));
    p.setColor(QPalette::WindowText, forms::toQColor(foreColor()));
    setPalette(p);
}

} // namespace tarvello::grid
