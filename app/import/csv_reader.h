#pragma once

#include "app/import/csv_table.h"

#include <string_view>

// Splits CSV text into rows of fields with libcsv. The delimiter (comma,
// semicolon or tab) is the one the header line uses most outside quotes.
// Rows are fed to the library one physical line at a time, so each row's own
// text is known: a row that does not split into the header's number of
// fields (an unescaped quote in a title swallows delimiters and line ends) is
// split again line by line with a lenient rule, and counted as unreadable
// when that fails too. Rows with fewer fields than the header are kept:
// their missing trailing cells read as empty.
namespace CsvReader {

// Fields per row beyond which a file is not taken for a workout export.
constexpr int MaxFields = 1000;

// text is UTF-8, Latin-1 or a mix: each field that is no valid UTF-8 is
// read as Latin-1 and counted. A leading byte-order mark is skipped.
TCsvTable Read(std::string_view text);

char DetectDelimiter(std::string_view headerLine);

// Splits one line in which a quote closes a quoted field only when a
// delimiter or the line end follows it; any other quote is kept as text.
std::vector<std::string> SplitLenient(std::string_view line, char delimiter);

} // namespace CsvReader
