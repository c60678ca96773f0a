#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One row of a CSV file: its fields side by side in one buffer, so a large
// export costs one allocation per row rather than one per field.
class TCsvRow
{
public:
    void AddField(std::string_view field);
    int FieldCount() const { return static_cast<int>(ends_.size()); }
    // An index past the row's end gives an empty field.
    std::string_view Field(int index) const;
    void Clear();

private:
    std::string bytes_;
    std::vector<std::uint32_t> ends_;
};

// An export read into rows of fields: the header row and the data rows in
// file order. Rows the reader could not split at all are counted, not kept;
// a row may have fewer fields than the header.
struct TCsvTable
{
    char delimiter = ',';
    std::vector<std::string> header;
    std::vector<TCsvRow> rows;
    std::vector<int> lineOfRow; // 1-based physical line where each row starts
    int unreadableRows = 0;
    int recoveredRows = 0; // rows with stray quotes, read by a lenient split
    int latin1Fields = 0;  // header names and cells that were no UTF-8
};
