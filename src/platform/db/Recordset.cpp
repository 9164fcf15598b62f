#include "platform/db/Recordset.h"

#include <algorithm>

namespace tarvello::db {

namespace {
const QString kNoCurrentRecord = QStringLiteral("No current record.");
}

Recordset::Recordset(QStringList fieldNames, std::deque<Value> values)
    : open_(true), names_(std::move(fieldNames)), values_(std::move(values)),
      columns_(static_cast<size_t>(names_.size())), rowCount_(columns_ ? values_.size() / columns_ : 0)
{
    values_.resize(rowCount_ * columns_);
    visit();
}

void Recordset::visit()
{
    if (position_ < rowCount_)
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
    position_ = rowCount_ == 0 ? 0 : rowCount_ - 1;
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
    return fieldAt(fieldIndex(name));
}

const Value &Recordset::fieldAt(qsizetype index) const
{
    static const Value null;
    if (eof() || index < 0 || static_cast<size_t>(index) >= columns_)
        return null;
    return values_[position_ * columns_ + static_cast<size_t>(index)];
}

void Recordset::close()
{
    open_ = false;
    names_.clear();
    values_.clear();
    columns_ = 0;
    rowCount_ = 0;
    position_ = 0;
    visited_ = 0;
}

} // namespace tarvello::db
