// Every file of tests/data/bad against what the load must make of it: the
// outcome, the file pane's line and the cells of the rows that are valid.

#include "app/year/load_report.h"
#include "app/year/string_items.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using TOutcome = TFileLoadReport::TOutcome;

struct TCell
{
    int day;
    int column;
    float value;
};

struct TBadFile
{
    const char* name;
    TOutcome outcome;
    int acceptedRows;
    const char* pane;
    std::vector<TCell> cells; // besides the two good rows of a file that is read
};

const char* const NoRows = "    -> keine Datenzeile mit gültigem Datum, übersprungen.";
const char* const OneBadDate = "    -> 1 Zeile mit ungültigem Datum übersprungen.";
const char* const OneBadMonth = "    -> 1 Zeile mit ungültigem Monat übersprungen.";
const char* const OneBeforeYearOne = "    -> 1 Zeile mit Jahr vor 1 übersprungen.";
const char* const OneKindOutOfRange = "    -> 1 Spaltennummer der Kennzeile außerhalb 0 bis 28 ignoriert.";
const char* const OneDuration = "    -> 1 Dauerangabe unlesbar, als 0 gelesen.";
const char* const OneValue = "    -> 1 Zahl außerhalb des Wertebereichs als 0 gelesen.";

// Day 76 (17 March 2011) is the bad row of most files: its distance, or its
// duration and the heart rate weighted by it.
const std::vector<TCell> NoTimeOn76 = {{76, 0, 0.0f}, {76, 1, 10.0f}, {76, 2, 0.0f}};
std::vector<TCell> DistanceOn76(float km) { return {{76, 0, 1.0f}, {76, 1, km}, {76, 2, 140.0f}}; }

const std::vector<TBadFile> BadFiles = {
    {"empty.csv", TOutcome::NoDataRows, 0, NoRows, {}},
    {"one-byte.csv", TOutcome::NoDataRows, 0, NoRows, {}},
    {"line-feeds-only.csv", TOutcome::NoDataRows, 0, NoRows, {}},
    {"headers-only.csv", TOutcome::NoDataRows, 0, NoRows, {}},
    {"utf16-bom.csv", TOutcome::Utf16, 0, "    -> UTF-16-kodiert, übersprungen (als UTF-8 speichern).", {}},
    {"cr-only-line-ends.csv", TOutcome::Read, 2, "", {}},
    {"crlf-and-lone-cr.csv", TOutcome::Read, 2, "", {}},
    {"utf8-bom.csv", TOutcome::Read, 2, "", {}},
    {"header-200-columns.csv", TOutcome::Read, 2, "", {}},
    {"kind-huge-number.csv", TOutcome::Read, 2, OneKindOutOfRange, {}},
    {"kind-negative-number.csv", TOutcome::Read, 2, OneKindOutOfRange, {}},
    // No digits name no column: the duration is then kept as read, "01:..." as 1.
    {"kind-not-a-number.csv", TOutcome::Read, 2, "", {{74, 0, 1.0f}, {75, 0, 2.0f}, {74, 2, 0.0f}}},
    // "2011O317", "2011-03-18" and "2011031x" once went to days 17, 3 and 60.
    {"date-with-letters.csv", TOutcome::Read, 2, "    -> 3 Zeilen mit ungültigem Datum übersprungen.",
     {{17, 1, 0.0f}, {3, 1, 0.0f}, {60, 1, 0.0f}, {76, 1, 0.0f}}},
    {"month-00.csv", TOutcome::Read, 3, "", {{20, 1, 10.0f}}},
    // Day 368 and 32 December lie beyond the year, where no evaluation looks.
    {"month-13.csv", TOutcome::Read, 2, OneBadDate, {{368, 1, 0.0f}}},
    {"day-1232.csv", TOutcome::Read, 2, OneBadDate, {{366, 1, 0.0f}}},
    {"month-14.csv", TOutcome::Read, 2, OneBadMonth, {}},
    {"month-99.csv", TOutcome::Read, 2, OneBadMonth, {}},
    {"day-00.csv", TOutcome::Read, 2, OneBadDate, {}},
    {"day-32.csv", TOutcome::Read, 3, "", {{32, 1, 10.0f}}},
    {"day-99.csv", TOutcome::Read, 2, OneBadDate, {}},
    {"year-0000.csv", TOutcome::Read, 2, OneBeforeYearOne, {{76, 1, 0.0f}}},
    {"year-minus-001.csv", TOutcome::Read, 2, OneBeforeYearOne, {{76, 1, 0.0f}}},
    {"duration-99-99-99.csv", TOutcome::Read, 3, OneDuration, NoTimeOn76},
    {"duration-minus-1.csv", TOutcome::Read, 3, OneDuration, NoTimeOn76},
    {"duration-1-2.csv", TOutcome::Read, 3, OneDuration, NoTimeOn76},
    {"duration-colons.csv", TOutcome::Read, 3, OneDuration, NoTimeOn76},
    {"duration-empty.csv", TOutcome::Read, 3, OneDuration, NoTimeOn76},
    {"number-1e39.csv", TOutcome::Read, 3, OneValue, DistanceOn76(0.0f)},
    {"number-minus-1e39.csv", TOutcome::Read, 3, OneValue, DistanceOn76(0.0f)},
    {"number-nan.csv", TOutcome::Read, 3, "", DistanceOn76(0.0f)},
    {"number-inf.csv", TOutcome::Read, 3, "", DistanceOn76(0.0f)},
    {"number-hex.csv", TOutcome::Read, 3, "", DistanceOn76(0.0f)},
    {"number-decimal-comma.csv", TOutcome::Read, 3, "", DistanceOn76(1.5f)},
    {"number-thousands-point.csv", TOutcome::Read, 3, "", DistanceOn76(1.0f)},
    // Among a comment, a note, a blank line, a rest day and every kind of bad row:
    // a second workout on 15 March folds into the first.
    {"mixed.csv", TOutcome::Read, 5,
     "    -> 1 Zeile mit ungültigem Monat übersprungen; 2 Zeilen mit ungültigem Datum übersprungen; "
     "1 Zeile mit Jahr vor 1 übersprungen; 1 Zahl außerhalb des Wertebereichs als 0 gelesen; "
     "1 Dauerangabe unlesbar, als 0 gelesen.",
     {{74, 0, 1.5f}, {74, 1, 15.5f}, {74, 2, 140.0f}, {76, 1, 0.0f}, {80, 0, 0.0f}, {80, 1, 0.0f}, {81, 0, 0.0f},
      {81, 1, 0.0f}}},
};

class BadInputCorpus : public ::testing::Test
{
protected:
    TFileLoadReport Load(const char* name)
    {
        loader.BeginLoad();
        return loader.ReadYearFile(QDir(QStringLiteral(KALDORO_SOURCE_DIR "/tests/data/bad")).filePath(name));
    }

    TYearStore store;
    TStringListItems metrics;
    TYearFileLoader loader{store, metrics};
};

TEST_F(BadInputCorpus, EveryFileGivesItsOutcomePaneLineAndValidRows)
{
    for (const TBadFile& file : BadFiles) {
        SCOPED_TRACE(file.name);
        store.ClearYearStore();
        metrics.Clear();
        const TFileLoadReport report = Load(file.name);
        EXPECT_EQ(report.outcome, file.outcome);
        EXPECT_EQ(report.acceptedRows, file.acceptedRows);
        EXPECT_EQ(DescribeLoadReport(report, TYearStore::LastYearSlot), QString::fromUtf8(file.pane));
        if (file.outcome != TOutcome::Read) {
            EXPECT_EQ(report.slot, 0);
            EXPECT_FALSE(store.IsSlotLoaded(1));
            EXPECT_TRUE(metrics.Items().isEmpty()); // no header imposed on the load
            continue;
        }
        EXPECT_EQ(report.slot, 1);
        if (std::string_view(file.name) != "year-9999.csv") {
            EXPECT_EQ(store.Year(1), 2011.0f);
            EXPECT_FLOAT_EQ(store.Cell(1, 74, 1), file.name == std::string_view("mixed.csv") ? 15.5f : 10.0f);
            EXPECT_FLOAT_EQ(store.Cell(1, 75, 1), 20.0f);
            EXPECT_FLOAT_EQ(store.Cell(1, 75, 0), 2.0f);
        }
        for (const TCell& cell : file.cells)
            EXPECT_FLOAT_EQ(store.Cell(1, cell.day, cell.column), cell.value) << cell.day << "/" << cell.column;
    }
}

TEST_F(BadInputCorpus, HeaderTextsSurviveByteOrderMarksAndLineEnds)
{
    const QStringList expected = {"Strecke [km]", "HF [1/min]", "Leistung [W]", "Power/HR", "Torque [Nm]"};
    for (const char* name : {"utf8-bom.csv", "cr-only-line-ends.csv", "crlf-and-lone-cr.csv"}) {
        metrics.Clear();
        Load(name);
        EXPECT_EQ(metrics.Items(), expected) << name;
    }
    Load("header-200-columns.csv");
    ASSERT_EQ(metrics.Count(), 197 + 2);
    EXPECT_EQ(metrics.At(196), QStringLiteral("Spalte 197 [e197]"));
}

TEST_F(BadInputCorpus, BinaryJunkTakesNoSlot)
{
    const TFileLoadReport report = Load("binary-junk.bin");
    EXPECT_EQ(report.outcome, TOutcome::NoDataRows);
    EXPECT_TRUE(DescribeLoadReport(report, TYearStore::LastYearSlot).startsWith(QString::fromUtf8(NoRows).chopped(1)));
    EXPECT_FALSE(store.IsSlotLoaded(1));
}

TEST_F(BadInputCorpus, YearFromTheRowsAlone)
{
    const TFileLoadReport report = Load("year-9999.csv");
    EXPECT_EQ(report.slot, 1);
    EXPECT_EQ(store.Year(1), 9999.0f);
    EXPECT_FLOAT_EQ(store.Cell(1, 76, 1), 10.0f); // 9999 is no leap year
}

} // namespace
