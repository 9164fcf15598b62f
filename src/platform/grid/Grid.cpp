#include "platform/grid/Grid.h"

#include "platform/forms/Twips.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace tarvello::grid {

namespace {
// The widest section a header view holds; it refuses a wider one, as it does a negative one.
constexpr int kMostSectionPixels = 1048575;
} // namespace

// The grid's cells: the ones written one by one, kept by position, over runs of rows whose texts are
// made on demand. A written cell hides the run under it. The view draws row after row, column after
// column, so the row of a run made last is kept until another row is asked for.
class GridModel final : public QAbstractTableModel {
public:
    explicit GridModel(QObject *parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return text(index.row(), index.column());
    }

    Qt::ItemFlags flags(const QModelIndex &) const override
    {
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    }

    QString text(int row, int col) const
    {
        if (!inside(row, col))
            return {};
        if (const auto written = written_.constFind(key(row, col)); written != written_.cend())
            return *written;
        const Run *run = runAt(row);
        if (!run || col >= run->cols)
            return {};
        if (cachedRow_ != row) {
            cached_ = (*run->texts)(run->offset + row - run->first);
            cachedRow_ = row;
        }
        return col < cached_.size() ? cached_[col] : QString();
    }

    void setText(int row, int col, const QString &text)
    {
        if (!inside(row, col))
            return;
        written_.insert(key(row, col), text);
        const QModelIndex at = index(row, col);
        emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
    }

    void setRows(int rows)
    {
        rows = std::max(rows, 0);
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        } else if (rows < rows_) {
            beginRemoveRows({}, rows, rows_ - 1);
            rows_ = rows;
            forget();
            endRemoveRows();
        }
    }

    void setCols(int cols)
    {
        cols = std::max(cols, 0);
        if (cols > cols_) {
            beginInsertColumns({}, cols_, cols - 1);
            cols_ = cols;
            endInsertColumns();
        } else if (cols < cols_) {
            beginRemoveColumns({}, cols, cols_ - 1);
            cols_ = cols;
            forget();
            endRemoveColumns();
        }
    }

    void clear()
    {
        written_.clear();
        runs_.clear();
        cachedRow_ = -1;
        changed(0, rows_);
    }

    void setRowTexts(int first, int count, Grid::RowTexts texts)
    {
        const int from = std::max(first, 0);
        const int to = std::min(first + std::max(count, 0), rows_);
        if (from >= to || !texts)
            return;
        written_.removeIf([&](const auto &cell) {
            const int row = static_cast<int>(cell.key() >> 32);
            return row >= from && row < to;
        });
        cut(from, to);
        const auto shared = std::make_shared<const Grid::RowTexts>(std::move(texts));
        const Run run{from, to - from, cols_, from - first, shared};
        runs_.insert(std::upper_bound(runs_.begin(), runs_.end(), run, byFirst), run);
        cachedRow_ = -1;
        changed(from, to);
    }

private:
    struct Run {
        int first = 0;  // the grid row of its first row
        int count = 0;  // rows
        int cols = 0;   // columns from 0 that it gives texts for
        int offset = 0; // the row its texts are asked for at its first grid row
        std::shared_ptr<const Grid::RowTexts> texts;

        int end() const { return first + count; }
    };
    static bool byFirst(const Run &a, const Run &b) { return a.first < b.first; }

    static quint64 key(int row, int col)
    {
        return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(col);
    }

    bool inside(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }

    const Run *runAt(int row) const
    {
        auto after = std::upper_bound(runs_.begin(), runs_.end(), row,
                                      [](int r, const Run &run) { return r < run.first; });
        if (after == runs_.begin())
            return nullptr;
        const Run &run = *std::prev(after);
        return row < run.end() ? &run : nullptr;
    }

    // Takes rows `from` to `to` out of every run, keeping what lies on either side.
    void cut(int from, int to)
    {
        std::vector<Run> kept;
        for (const Run &run : runs_) {
            if (run.end() <= from || run.first >= to) {
                kept.push_back(run);
                continue;
            }
            if (run.first < from)
                kept.push_back({run.first, from - run.first, run.cols, run.offset, run.texts});
            if (run.end() > to)
                kept.push_back({to, run.end() - to, run.cols, run.offset + (to - run.first), run.texts});
        }
        runs_ = std::move(kept);
    }

    // Drops what went out of the grid, so that it does not come back when the grid grows again.
    void forget()
    {
        written_.removeIf([this](const auto &cell) {
            return static_cast<int>(cell.key() >> 32) >= rows_ ||
                   static_cast<int>(cell.key() & 0xFFFFFFFFu) >= cols_;
        });
        cut(rows_, std::max(rows_, runs_.empty() ? 0 : runs_.back().end()));
        for (Run &run : runs_)
            run.cols = std::min(run.cols, cols_);
        cachedRow_ = -1;
    }

    void changed(int from, int to)
    {
        if (from < to && cols_ > 0)
            emit dataChanged(index(from, 0), index(to - 1, cols_ - 1), {Qt::DisplayRole, Qt::EditRole});
    }

    int rows_ = 0;
    int cols_ = 0;
    QHash<quint64, QString> written_;
    std::vector<Run> runs_; // by first row, none overlapping
    mutable int cachedRow_ = -1;
    mutable QStringList cached_;
};

Grid::Grid(QWidget *parent, const QString &name)
    : ControlWidget(parent, name, QStringLiteral("Grid"), false, 0xFFFFFF, 0x000000),
      model_(new GridModel(this))
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
    // The scroll bars keep the standard colours, every role of them: in the cells' colours their
    // arrows take the text colour on the style's light bar (yellow on near-white in the dark schemes).
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()})
        bar->setPalette(forms::standardPalette(*bar));
    setRows(2);
    setCols(2);
    applyColors();
}

// The view's sections are made from the model at once, each column at the header's default width;
// the widths set since are given to them as the header would have taken them one by one.
void Grid::setUpView()
{
    if (viewSetUp_)
        return;
    viewSetUp_ = true;
    setModel(model_);
    for (int col = 0; col < static_cast<int>(colPixels_.size()); ++col)
        setColumnWidth(col, colPixels_[static_cast<size_t>(col)]);
    colPixels_ = {};
}

// A grid gets its first resize event before it is laid out or drawn, shown or grabbed; a hidden grid
// gets none before then, however often it is moved or resized.
bool Grid::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::Show:
    case QEvent::Resize:
        setUpView();
        break;
    default:
        break;
    }
    return ControlWidget::event(event);
}

QAbstractItemModel *Grid::model() const
{
    return model_;
}

int Grid::columnWidth(int col) const
{
    if (viewSetUp_)
        return QTableView::columnWidth(col);
    return col >= 0 && col < static_cast<int>(colPixels_.size()) ? colPixels_[static_cast<size_t>(col)] : 0;
}

int Grid::rowHeight(int row) const
{
    if (viewSetUp_)
        return QTableView::rowHeight(row);
    return row >= 0 && row < rows() ? verticalHeader()->defaultSectionSize() : 0;
}

int Grid::rows() const
{
    return model_->rowCount();
}

void Grid::setRows(int rows)
{
    model_->setRows(rows);
}

int Grid::cols() const
{
    return model_->columnCount();
}

void Grid::setCols(int cols)
{
    model_->setCols(cols);
    const auto count = static_cast<size_t>(model_->columnCount());
    if (!viewSetUp_)
        colPixels_.resize(count, horizontalHeader()->defaultSectionSize());
    colTwips_.resize(count, forms::pixelsToTwips(columnWidth(0)));
}

void Grid::setText(const QString &text)
{
    model_->setText(row_, col_, text); // a cell outside the grid holds nothing
}

QString Grid::cellText(int row, int col) const
{
    return model_->text(row, col);
}

void Grid::clear()
{
    model_->clear();
}

void Grid::setRowTexts(int firstRow, int count, RowTexts texts)
{
    model_->setRowTexts(firstRow, count, std::move(texts));
}

int Grid::colWidth(int col) const
{
    if (col < 0 || col >= static_cast<int>(colTwips_.size()))
        return 0;
    return colTwips_[static_cast<size_t>(col)];
}

void Grid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    colTwips_[static_cast<size_t>(col)] = twips;
    const int pixels = forms::twipsToPixels(twips);
    if (viewSetUp_)
        setColumnWidth(col, pixels);
    else if (pixels >= 0 && pixels <= kMostSectionPixels) // the widths the header takes
        colPixels_[static_cast<size_t>(col)] = pixels;
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
