#include "platform/db/Recordset.h"

#include <algorithm>

namespace tarvello::db {

namespace {
const QString kNoCurrentRecord = QStringLiteral("No current record.");
}

Recordset::Recordset(QStringList fieldNames, std::vector<std::vector<Value>> rows)
    : open_(true), names_(std::move(fieldNames)), rows_(std::move(rows))
{
    visit();
}

void Recordset::visit()
{
    if (position_ < rows_.size())
        visited_ = std::max(visited_, position_ + 1);
}

Status Recordset::moveFirst()
{
    position_ = 0;
    visit();
    return Status::success();
}

Status Recordset::moveLast()
{
    position_ = rows_.empty() ? 0 : rows_.size() - 1;
    visit();
    return Status::success();
}

Status Recordset::moveNext()
{
    if (eof())
        return Status::failure(kNoCurrentRecord);
    ++position_;
    visit();
    return Status::success();
}

qsizetype Recordset::fieldIndex(QStringView name) const
{
    for (qsizetype i = 0; i < names_.size(); ++i) {
        if (QStringView(names_[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Value Recordset::field(QStringView name) const
{
    if (eof())
        return {};
    const qsizetype i = fieldIndex(name);
    const auto &row = rows_[position_];
    if (i < 0 || static_cast<size_t>(i) >= row.size())
        return {};
    return row[static_cast<size_t>(i)];
}

void Recordset::close()
{
    open_ = false;
    names_.clear();
    rows_.clear();
    position_ = 0;
    visited_ = 0;
}

} // namespace tarvello::db
