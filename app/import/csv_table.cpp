#include "app/import/csv_table.h"

void TCsvRow::AddField(std::string_view field)
{
    bytes_.append(field);
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

std::string_view TCsvRow::Field(int index) const
{
    if (index < 0 || index >= FieldCount())
        return {};
    const std::uint32_t begin = index == 0 ? 0 : ends_[std::size_t(index) - 1];
    return std::string_view(bytes_).substr(begin, ends_[std::size_t(index)] - begin);
}

void TCsvRow::Clear()
{
    bytes_.clear();
    ends_.clear();
}
