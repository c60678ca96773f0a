#include "app/year/year_file_loader.h"

#include "app/year/csv_text.h"
#include "app/year/day_folder.h"
#include "app/year/day_ordered_rows.h"
#include "app/year/line_reader.h"
#include "app/year/regular_file.h"
#include "app/year/string_items.h"
#include "app/year/year_store.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Days before month m, for m = 0..13.
constexpr std::array<int, 14> MonthStartDay = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 367};

std::int64_t FileSize(std::FILE* file)
{
    if (fseeko(file, 0, SEEK_END) != 0)
        return 0;
    const auto size = static_cast<std::int64_t>(ftello(file));
    fseeko(file, 0, SEEK_SET);
    return size < 0 ? 0 : size;
}

// A UTF-16 byte-order mark: every other byte of such a file is 0, so no row
// would ever show a date, and the file pane would blame the rows.
bool StartsWithUtf16Mark(std::FILE* file)
{
    unsigned char mark[2] = {0, 0};
    const std::size_t got = std::fread(mark, 1, 2, file);
    fseeko(file, 0, SEEK_SET);
    return got == 2 && ((mark[0] == 0xFF && mark[1] == 0xFE) || (mark[0] == 0xFE && mark[1] == 0xFF));
}

// Fields of a header line from field 3 on; the last one is cut at the line end.
std::vector<std::string_view> FieldsFromThird(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (int skipped = 0; skipped < 3; ++skipped) {
        start = line.find(';', start);
        if (start == std::string_view::npos)
            return fields;
        ++start;
    }
    for (;;) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            fields.push_back(CsvText::CutAtLineEnd(line.substr(start)));
            return fields;
        }
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Titles, comments, blank and trailer lines start otherwise: they are no
// rows at all and pass unremarked.
bool StartsLikeDate(std::string_view row)
{
    std::size_t i = 0;
    while (i < row.size() && IsBlank(row[i]))
        ++i;
    if (i < row.size() && (row[i] == '-' || row[i] == '+'))
        ++i;
    return i < row.size() && IsDigit(row[i]);
}

// A group of the date as the integer reading takes it, with nothing else
// inside: blanks, a sign where one is allowed, digits up to the group's end.
bool IsDateGroup(std::string_view row, std::size_t pos, std::size_t length, bool signAllowed)
{
    if (pos >= row.size())
        return false;
    const std::string_view group = row.substr(pos, length);
    std::size_t i = 0;
    while (i < group.size() && IsBlank(group[i]))
        ++i;
    if (signAllowed && i < group.size() && (group[i] == '-' || group[i] == '+'))
        ++i;
    if (i == group.size())
        return false;
    for (; i < group.size(); ++i)
        if (!IsDigit(group[i]))
            return false;
    return true;
}

} // namespace

TYearFileLoader::TYearFileLoader(TYearStore& store, TStringItems& metricItems)
    : store_(store), metricItems_(metricItems)
{
}

void TYearFileLoader::BeginLoad()
{
    firstFileOfLoad_ = true;
    nextSlot_ = TYearStore::FirstYearSlot;
}

TRowDate TYearFileLoader::DayIndexOfRow(std::string_view row)
{
    const auto group = [&](std::size_t pos, std::size_t length) {
        return pos < row.size() ? CsvText::LeadingInteger(row.substr(pos, length)) : 0;
    };
    TRowDate date;
    // Titles and comments ("Notiz0315;...") are no rows, whatever their
    // characters 5 to 8 would give.
    if (!StartsLikeDate(row))
        return date;
    date.year = group(0, 4);
    const int month = group(4, 2);
    const int dayOfMonth = group(6, 2);
    // Reading the groups alone would put "2011-03-15" on 3 January. Only
    // the year may carry a sign, so that years before 1 are told as such.
    const bool dateForm = IsDateGroup(row, 0, 4, true) && IsDateGroup(row, 4, 2, false)
        && IsDateGroup(row, 6, 2, false);
    date.malformed = !dateForm;
    if (month < 0 || month >= int(MonthStartDay.size())) {
        date.monthKnown = false;
        return date;
    }
    date.day = dayOfMonth + MonthStartDay[std::size_t(month)];
    if (month > 2 && date.year % 4 == 0) // no century rule
        ++date.day;
    // Day 32 of December or a 13th month would land beyond the last day of
    // the year, where no evaluation looks: such a row is as wrong as day 0.
    const bool comment = month == 0 && dayOfMonth == 0;
    if (!comment && (date.day < 1 || date.day > TYearStore::DaysOfYear(date.year)))
        date.malformed = true;
    return date;
}

TFileLoadReport TYearFileLoader::ReadYearFile(const QString& csvFileName)
{
    TFileLoadReport report;
    if (nextSlot_ > TYearStore::LastYearSlot) {
        report.outcome = TFileLoadReport::TOutcome::BeyondLimit;
        return report;
    }
    TOpenStatus status = TOpenStatus::Failed;
    const FilePtr file = OpenRegularFile(csvFileName, status);
    if (!file) {
        report.outcome = status == TOpenStatus::NotRegular ? TFileLoadReport::TOutcome::NotRegular
                                                           : TFileLoadReport::TOutcome::NotOpened;
        return report;
    }
    return ReadOpened(file.get(), csvFileName);
}

TFileLoadReport TYearFileLoader::ReadYearText(const QString& name, QByteArrayView text)
{
    TFileLoadReport report;
    if (nextSlot_ > TYearStore::LastYearSlot) {
        report.outcome = TFileLoadReport::TOutcome::BeyondLimit;
        return report;
    }
    // Read through a stream over the bytes, so that a text and a file of the
    // same bytes take the very same path. The stream only reads them.
    static char noBytes = 0;
    char* bytes = text.isEmpty() ? &noBytes : const_cast<char*>(text.data());
    const FilePtr stream(fmemopen(bytes, std::size_t(text.size()), "r"));
    if (!stream) {
        report.outcome = TFileLoadReport::TOutcome::NotOpened;
        return report;
    }
    return ReadOpened(stream.get(), name);
}

TFileLoadReport TYearFileLoader::ReadOpened(std::FILE* file, const QString& name)
{
    TFileLoadReport report;
    if (StartsWithUtf16Mark(file)) {
        report.outcome = TFileLoadReport::TOutcome::Utf16;
        return report;
    }
    const std::int64_t limit = FileSize(file) - TrailerBytes;
    if (OnOpened)
        OnOpened(name);

    // A file without a single dated row must neither take a slot (it would
    // hide the years after it) nor impose its header on the load.
    const bool suppliesHeader = firstFileOfLoad_;
    const THeaderSnapshot before = SaveHeader();

    line_.clear();
    TLineReader reader(file);
    ReadHeader(reader, report);
    const int slot = nextSlot_;
    ReadRows(reader, limit, slot, report);

    if (!store_.IsSlotLoaded(slot)) {
        report.outcome = TFileLoadReport::TOutcome::NoDataRows;
        store_.ClearSlot(slot);
        if (suppliesHeader)
            RestoreHeader(before);
        return report;
    }
    report.slot = slot;
    ++nextSlot_;
    return report;
}

TYearFileLoader::THeaderSnapshot TYearFileLoader::SaveHeader() const
{
    THeaderSnapshot snapshot{metricItems_.ToStringList(), {}};
    for (int i = 0; i < TYearStore::KindCount; ++i)
        snapshot.kinds[std::size_t(i)] = store_.ColumnKind(i);
    return snapshot;
}

void TYearFileLoader::RestoreHeader(const THeaderSnapshot& snapshot)
{
    firstFileOfLoad_ = true;
    metricItems_.Assign(snapshot.metrics);
    for (int i = 0; i < TYearStore::KindCount; ++i)
        store_.SetColumnKind(i, snapshot.kinds[std::size_t(i)]);
}

void TYearFileLoader::ReadHeader(TLineReader& reader, TFileLoadReport& report)
{
    for (int lineNo = 1; lineNo <= 3; ++lineNo) {
        if (reader.ReadLine(line_) == TLineReader::TStatus::TooLong)
            ++report.overlongLines;
        if (!firstFileOfLoad_)
            continue;
        switch (lineNo) {
        case 1: InterpretTitleLine(line_); break;
        case 2: InterpretUnitLine(line_); break;
        default: InterpretKindLine(line_, report); break;
        }
    }
    firstFileOfLoad_ = false;
}

void TYearFileLoader::InterpretTitleLine(std::string_view line)
{
    metricItems_.Clear();
    const auto fields = FieldsFromThird(line);
    for (std::string_view field : fields)
        metricItems_.Add(CsvText::Decode(CsvText::TrimBlanksAndControls(field)));
    titleEntries_ = static_cast<int>(fields.size());
    metricItems_.Add(QStringLiteral("Power/HR"));
    metricItems_.Add(QStringLiteral("Torque [Nm]"));
}

void TYearFileLoader::InterpretUnitLine(std::string_view line)
{
    const auto fields = FieldsFromThird(line);
    // Units beyond the titles have no entry to go to.
    const int count = std::min(static_cast<int>(fields.size()), titleEntries_);
    for (int j = 0; j < count; ++j)
        metricItems_.Replace(j, metricItems_.At(j) + QLatin1Char(' ') + CsvText::Decode(fields[std::size_t(j)]));
}

// The f-th number of the kind line names the column (1-based) that carries
// the quantity of kind f; 0 means the file has no such column.
void TYearFileLoader::InterpretKindLine(std::string_view line, TFileLoadReport& report)
{
    int f = 0;
    int lastNumber = -1;
    std::size_t start = line.find(';');
    while (start != std::string_view::npos) {
        ++start;
        const std::size_t end = line.find(';', start);
        ++f;
        lastNumber = CsvText::LeadingInteger(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (lastNumber >= 0 && lastNumber <= MaxKindColumn)
            store_.SetColumnKind(lastNumber, f);
        else
            ++report.kindNumbersOutOfRange;
        start = end;
    }
    if (f > 0 && lastNumber >= 0 && lastNumber <= MaxKindColumn)
        store_.SetColumnKind(lastNumber + 1, f + 1);
}

void TYearFileLoader::ReadRows(TLineReader& reader, std::int64_t limit, int slot, TFileLoadReport& report)
{
    TDayOrderedRows rows;
    CollectRows(reader, limit, slot, rows, report);
    TDayFolder folder(store_, slot);
    rows.ForEachInDayOrder([&](int day, std::string& row) {
        const auto findings = folder.FoldRow(row, day);
        report.rowsWithTooManyColumns += findings.tooManyColumns ? 1 : 0;
        report.valuesOutOfRange += findings.valuesOutOfRange;
        report.unreadableDurations += findings.unreadableDurations;
    });
}

// Reads the data rows and keeps those with a usable date. The year of the
// slot is the year of the last such row of the file.
void TYearFileLoader::CollectRows(TLineReader& reader, std::int64_t limit, int slot, TDayOrderedRows& rows,
                                  TFileLoadReport& report)
{
    // The first row is always read; the last bytes of a file are a trailer.
    bool first = true;
    do {
        const TLineReader::TStatus status = reader.ReadLine(line_);
        if (status == TLineReader::TStatus::End) {
            // The file ended before the size taken at its opening: it shrank
            // while being read, or could not be read on. Going on would read
            // the last line again and again.
            if (reader.Position() < limit)
                report.endedEarly = true;
            if (!first)
                break;
        }
        first = false;
        if (status == TLineReader::TStatus::TooLong) {
            ++report.overlongLines;
            continue;
        }
        CollectRow(slot, rows, report);
    } while (reader.Position() < limit);
}

void TYearFileLoader::CollectRow(int slot, TDayOrderedRows& rows, TFileLoadReport& report)
{
    const TRowDate date = DayIndexOfRow(line_);
    if (date.malformed) {
        ++report.rowsWithBadDate;
        return;
    }
    if (!date.monthKnown) {
        ++report.rowsWithBadMonth;
        return;
    }
    // Lines without a usable day (blank lines, comments, trailer lines)
    // neither touch the year nor split or merge the days around them.
    if (date.day < 1 || date.day > TYearStore::MaxDayIndex)
        return;
    // Such a year would unload the whole file when its row is the last one.
    if (date.year < 1) {
        ++report.rowsBeforeYearOne;
        return;
    }
    // The year is the last row's; its rows, in any order, give its last day.
    const bool sameYear = store_.Year(slot) == static_cast<float>(date.year);
    store_.SetLastRowDay(slot, sameYear ? std::max(store_.LastRowDay(slot), date.day) : date.day);
    store_.SetYear(slot, static_cast<float>(date.year));
    rows.Add(date.day, line_);
    ++report.acceptedRows;
}
