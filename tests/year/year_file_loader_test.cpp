#include "app/year/string_items.h"
#include "app/year/year_evaluation.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"
#include "support/loader_fixture.h"
#include "support/temp_files.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// The example year file: duration, distance, heart rate, power.
const std::string ExampleHeader = "Date;Time;Duration;Distance;HR;Power\r\n"
                                  "-;-;[h];[km];[1/min];[W]\r\n"
                                  "Kind;0;1;2;0;3;0;0;0;0;0;0;0;0;4\r\n";
const std::string ExampleRow4 = "20110315;08:00;01:30:00;45,5;140;200;\r\n";
const std::string ExampleRow5 = "20110315;18:00;00:30:00;10.0;120;150;\r\n";

std::string Trailer() { return std::string(230, '#') + "\r\n"; }

class LoaderTest : public TLoaderFixture
{
protected:
    TFileLoadReport LoadOne(const std::string& content) { return LoadTexts({content}).front(); }
    // One load of year texts, without files.
    std::vector<TFileLoadReport> LoadTexts(const std::vector<std::string>& texts)
    {
        loader.BeginLoad();
        std::vector<TFileLoadReport> reports;
        for (const std::string& text : texts)
            reports.push_back(loader.ReadYearText(QStringLiteral("f%1.csv").arg(counter++),
                                                  QByteArrayView(text.data(), qsizetype(text.size()))));
        return reports;
    }
    float Cell(int day, int column, int slot = 1) const { return store.Cell(slot, day, column); }

    int counter = 0;
};

TEST_F(LoaderTest, WorkedExampleFoldsTwoRowsOfOneDay)
{
    LoadOne(ExampleHeader + ExampleRow4 + Trailer());
    const int day = 74; // 15 March 2011
    EXPECT_FLOAT_EQ(Cell(day, 0), 1.5f);
    EXPECT_FLOAT_EQ(Cell(day, 1), 45.5f);
    EXPECT_FLOAT_EQ(Cell(day, 2), 140.0f);
    EXPECT_FLOAT_EQ(Cell(day, 3), 200.0f);
    EXPECT_EQ(Cell(day, 4), 200.0f / 140.0f);
    EXPECT_EQ(Cell(day, 5), 0.0f);

    store.ClearYearStore();
    LoadOne(ExampleHeader + ExampleRow4 + ExampleRow5 + Trailer());
    EXPECT_FLOAT_EQ(Cell(day, 0), 2.0f);
    EXPECT_FLOAT_EQ(Cell(day, 1), 55.5f);
    EXPECT_FLOAT_EQ(Cell(day, 2), 135.0f);
    EXPECT_FLOAT_EQ(Cell(day, 3), 187.5f);
    EXPECT_EQ(Cell(day, 4), 187.5f / 135.0f);
    EXPECT_FLOAT_EQ(Cell(day, 4), 1.3888888f);
    EXPECT_EQ(store.Year(1), 2011.0f);
    EXPECT_EQ(store.SumColumn(0), 0);
    EXPECT_EQ(store.SumColumn(1), 1);
    EXPECT_EQ(store.SumColumn(2), TYearStore::NoColumn); // no energy column
}

TEST_F(LoaderTest, HeaderFillsMetricListAndColumnKinds)
{
    LoadOne(ExampleHeader + ExampleRow4 + Trailer());
    EXPECT_EQ(metrics.Items(), QStringList({"Distance [km]", "HR [1/min]", "Power [W]", "Power/HR", "Torque [Nm]"}));
    EXPECT_EQ(store.ColumnKind(1), 2);
    EXPECT_EQ(store.ColumnKind(2), 3);
    EXPECT_EQ(store.ColumnKind(3), 5);
    EXPECT_EQ(store.ColumnKind(4), 14);
    EXPECT_EQ(store.ColumnKind(5), 15); // the empty last column: not read
    EXPECT_FALSE(loader.FirstFileOfLoad());
}

TEST_F(LoaderTest, PlainLineFeedsGiveCleanEntries)
{
    std::string header = ExampleHeader;
    std::erase(header, '\r');
    LoadOne(header + "20110315;08:00;01:30:00;45,5;140;200;\n" + Trailer());
    EXPECT_EQ(metrics.At(2), QStringLiteral("Power [W]"));
    EXPECT_FLOAT_EQ(Cell(74, 0), 1.5f);
}

TEST_F(LoaderTest, HeaderTextsAreUtf8OrLatin1)
{
    const std::string utf8 = "Datum;Zeit;Dauer;H\xC3\xB6he\r\n-;-;[h];[m]\r\nKind;0;1\r\n";
    const std::string latin1 = "Datum;Zeit;Dauer;H\xF6he\r\n-;-;[h];[m]\r\nKind;0;1\r\n";
    LoadOne(utf8 + ExampleRow4);
    EXPECT_EQ(metrics.At(0), QStringLiteral("Höhe [m]"));
    LoadOne(latin1 + ExampleRow4);
    EXPECT_EQ(metrics.At(0), QStringLiteral("Höhe [m]"));
}

TEST_F(LoaderTest, UnitsBeyondTheTitlesAreIgnored)
{
    LoadOne("D;T;Dauer;Strecke\r\n-;-;[h];[km];[x];[y]\r\nKind;0;1;2\r\n" + ExampleRow4);
    EXPECT_EQ(metrics.Items(), QStringList({"Strecke [km]", "Power/HR", "Torque [Nm]"}));
}

TEST(DayIndexOfRow, CountsDaysWithTheSimpleLeapRule)
{
    struct Case { const char* row; int day; int year; };
    const Case cases[] = {
        {"20110101;x", 1, 2011},   {"20120301;x", 61, 2012}, {"20110301;x", 60, 2011},
        {"20121231;x", 366, 2012}, {"20111231;x", 365, 2011}, {"19000301;x", 61, 1900},
        {"20120229", 60, 2012},    {"", 0, 0},                {"Datum;Ze", 0, 0},
    };
    for (const Case& c : cases) {
        const TRowDate date = TYearFileLoader::DayIndexOfRow(c.row);
        EXPECT_EQ(date.day, c.day) << c.row;
        EXPECT_EQ(date.year, c.year) << c.row;
        EXPECT_TRUE(date.monthKnown) << c.row;
    }
    EXPECT_FALSE(TYearFileLoader::DayIndexOfRow("20111501;x").monthKnown);
    EXPECT_FALSE(TYearFileLoader::DayIndexOfRow("2011-101;x").monthKnown);
}

TEST_F(LoaderTest, UnreadableDurationsAreNoTime)
{
    const auto report = LoadOne(ExampleHeader + "20110301;x;2:05:00;1;140;200;\r\n20110302;x;;1;140;200;\r\n"
                                + "20110303;x;1:30;1;140;200;\r\n" + Trailer());
    EXPECT_FLOAT_EQ(Cell(60, 0), 2 + 5 / 60.0f);
    EXPECT_EQ(Cell(61, 0) + Cell(61, 2) + Cell(62, 0) + Cell(62, 2), 0.0f); // no time, no weighted mean
    EXPECT_EQ(DescribeLoadReport(report, 19), QStringLiteral("    -> 2 Dauerangaben unlesbar, als 0 gelesen."));
}

TEST_F(LoaderTest, LaterFilesUseTheFirstFilesKinds)
{
    LoadTexts({ExampleHeader + ExampleRow4 + Trailer(),
               "D;T;Power;Duration\r\n-;-;x;y\r\nKind;0;2;1\r\n20120110;10:00;01:00:00;30;150;100;\r\n" + Trailer()});
    EXPECT_FLOAT_EQ(store.Cell(2, 10, 0), 1.0f); // still read as duration
    EXPECT_FLOAT_EQ(store.Cell(2, 10, 1), 30.0f);
    EXPECT_EQ(store.Year(2), 2012.0f);
    EXPECT_EQ(metrics.At(0), QStringLiteral("Distance [km]"));
}

TEST_F(LoaderTest, TrailerBytesAreNotReadAsRows)
{
    const std::string rowLate = "20110316;08:00;01:00:00;1;140;200;\r\n";
    // The second row starts within the last 220 bytes: not read.
    LoadOne(ExampleHeader + ExampleRow4 + rowLate + std::string(150, '#'));
    EXPECT_FLOAT_EQ(Cell(74, 0), 1.5f);
    EXPECT_EQ(Cell(75, 0), 0.0f);
    // A file shorter than its header plus 220 bytes still yields its first row.
    store.ClearYearStore();
    LoadOne(ExampleHeader + ExampleRow4 + rowLate);
    EXPECT_FLOAT_EQ(Cell(74, 0), 1.5f);
    EXPECT_EQ(Cell(75, 0), 0.0f);
}

TEST_F(LoaderTest, FilesWithoutDatedRowsTakeNoSlotAndSupplyNoHeader)
{
    const auto reports = LoadTexts({ExampleHeader, std::string(), std::string("\x00\x01\xff\xfe\x7f;;;\x00\n\x03", 12),
                                    ExampleHeader + ExampleRow4 + Trailer()});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(reports[std::size_t(i)].outcome, TFileLoadReport::TOutcome::NoDataRows);
        EXPECT_EQ(reports[std::size_t(i)].slot, 0);
    }
    EXPECT_EQ(reports[3].slot, 1);
    EXPECT_FLOAT_EQ(Cell(74, 1), 45.5f);
    EXPECT_EQ(metrics.At(0), QStringLiteral("Distance [km]"));
    for (int slot = 2; slot < TYearStore::SlotCount; ++slot)
        EXPECT_FALSE(store.IsSlotLoaded(slot));
}

TEST_F(LoaderTest, KindNumbersOutOfRangeAreIgnored)
{
    const auto report = LoadOne("D;T;A;B\r\n-;-;x;y\r\nKind;0;1;40;-3;2;29\r\n20110315;1;01:00:00;7;8;\r\n" + Trailer());
    EXPECT_EQ(report.kindNumbersOutOfRange, 3);
    EXPECT_EQ(store.ColumnKind(1), 2);
    EXPECT_EQ(store.ColumnKind(2), 5);
    // The last number is out of range, so no kind for the column after it.
    EXPECT_EQ(store.ColumnKind(3), 0);
    for (int entry = 0; entry < TYearStore::KindCount; ++entry)
        EXPECT_LE(store.ColumnKind(entry), 6);
}

TEST_F(LoaderTest, RowsWithTooManyColumnsKeepTheFirst28)
{
    std::string row = "20110315;08:00;01:00:00";
    for (int c = 1; c < 40; ++c)
        row += ";" + std::to_string(c);
    const auto report = LoadOne("D;T;Dauer;HR;Power\r\n-;-;a;b;c\r\nKind;0;1;0;0;2;0;0;0;0;0;0;0;0;3\r\n" + row
                                + ";\r\n" + Trailer());
    EXPECT_EQ(report.rowsWithTooManyColumns, 1);
    EXPECT_FLOAT_EQ(Cell(74, 26), 26.0f);
    // Power/HR lands on the last kept column; nothing beyond column 29 exists.
    EXPECT_FLOAT_EQ(Cell(74, 27), 2.0f / 1.0f);
    EXPECT_EQ(Cell(74, 28), 0.0f);
    EXPECT_EQ(Cell(75, 0), 0.0f); // the next day is untouched
}

TEST_F(LoaderTest, AtMost19FilesPerLoad)
{
    const auto reports = LoadTexts(std::vector<std::string>(21, ExampleHeader + ExampleRow4 + Trailer()));
    EXPECT_EQ(reports[18].slot, 19);
    EXPECT_EQ(reports[19].outcome, TFileLoadReport::TOutcome::BeyondLimit);
    EXPECT_EQ(reports[20].outcome, TFileLoadReport::TOutcome::BeyondLimit);
    EXPECT_EQ(loader.SlotsFilled(), 19);
}

TEST_F(LoaderTest, RowsWithAnUnknownMonthOrAYearBeforeOneAreSkippedWhole)
{
    // As the last rows, years 0 and -1 used to set the file's year and so drop the file.
    const auto report = LoadOne(ExampleHeader + "20110315;08:00;01:00:00;10;140;200;\r\n"
                                + "20111515;08:00;01:00:00;99;140;200;\r\n"
                                + "20110315;09:00;01:00:00;5;140;200;\r\n00000315;x;01:00:00;4;1;1;\r\n"
                                + "-0010315;x;01:00:00;8;1;1;\r\n" + Trailer());
    EXPECT_EQ(report.rowsWithBadMonth, 1);
    EXPECT_EQ(report.rowsBeforeYearOne, 2);
    EXPECT_EQ(store.Year(1), 2011.0f);
    // The skipped row neither folded nor started a new day.
    EXPECT_FLOAT_EQ(Cell(74, 1), 15.0f);
    EXPECT_FLOAT_EQ(Cell(74, 0), 2.0f);
}

TEST_F(LoaderTest, RowsOutOfDateOrderFoldIntoTheirOwnDays)
{
    // 1 January 1 km, 2 January 2 km, 1 January 4 km; the year is the last row's.
    LoadOne(ExampleHeader + "20120101;x;01:00:00;1;100;200;\r\n20120102;x;02:00:00;2;150;300;\r\n"
            + "20110101;x;03:00:00;4;120;100;\r\n" + Trailer());
    EXPECT_EQ(store.Year(1), 2011.0f);
    EXPECT_FLOAT_EQ(Cell(1, 1), 5.0f);
    EXPECT_FLOAT_EQ(Cell(1, 2), (100 + 3 * 120) / 4.0f);
    EXPECT_FLOAT_EQ(Cell(2, 1), 2.0f);
    EXPECT_FLOAT_EQ(Cell(2, 4), 300.0f / 150.0f);
    EXPECT_FLOAT_EQ(EvaluateCumulative(store, store.SumColumn(1)).series[1].points.back().y, 7.0f);
}

TEST_F(LoaderTest, TheLastDatedRowOfTheFilesYearEndsIt)
{
    // Rows in any order; a rest day counts, a row of another year before
    // them and the comment lines do not.
    LoadOne(ExampleHeader + "20111230;x;01:00:00;1;100;200;\r\n20120612;Ruhetag\r\n"
            + "20120510;x;01:00:00;1;100;200;\r\n20120000;# comment\r\n" + Trailer());
    EXPECT_EQ(store.LastRowDay(1), 12 + 151 + 1); // 12 June 2012
    store.ClearSlot(1);
    EXPECT_EQ(store.LastRowDay(1), 0);
}

TEST_F(LoaderTest, WeightedValuesWithoutDurationStoreZero)
{
    // The duration column stands right of the weighted columns: H is 0 when they are read.
    LoadOne("D;T;HR;Power;Dauer\r\n-;-;a;b;c\r\nKind;0;3;0;0;1;0;0;0;0;0;0;0;0;2;0;0;4\r\n"
            "20110315;08:00;140;200;01:00:00;\r\n" + Trailer());
    EXPECT_EQ(Cell(74, 0), 0.0f);
    EXPECT_EQ(Cell(74, 1), 0.0f);
    EXPECT_FLOAT_EQ(Cell(74, 2), 1.0f);
    // Without a mean heart rate no Power/HR value is written.
    for (int c = 3; c < TYearStore::ColumnCount; ++c)
        EXPECT_EQ(Cell(74, c), 0.0f) << c;
}

TEST_F(LoaderTest, LongLinesAreReadWholeAndHugeLinesSkipped)
{
    std::string longRow = "20110315;08:00;01:00:00;12;140;200;" + std::string(400, ' ') + "\r\n";
    std::string huge = "20110316;08:00;01:00:00;13;140;200;" + std::string(2 * 1024 * 1024, 'x') + "\r\n";
    const auto report = LoadOne(ExampleHeader + longRow + huge + "20110317;08:00;01:00:00;14;140;200;\r\n" + Trailer());
    EXPECT_EQ(report.overlongLines, 1);
    EXPECT_FLOAT_EQ(Cell(74, 1), 12.0f);
    EXPECT_EQ(Cell(75, 1), 0.0f);
    EXPECT_FLOAT_EQ(Cell(76, 1), 14.0f);
}

TEST_F(LoaderTest, UnopenableFilesDoNotHideLaterFiles)
{
    const QString good = files.Write("g.csv", ExampleHeader + ExampleRow4 + Trailer());
    const auto reports = Load({files.PathOf("missing.csv"), good, files.PathOf(""), good});
    EXPECT_EQ(reports[0].outcome, TFileLoadReport::TOutcome::NotOpened);
    EXPECT_EQ(reports[1].slot, 1);
    EXPECT_EQ(reports[2].outcome, TFileLoadReport::TOutcome::NotRegular); // a folder
    EXPECT_EQ(reports[3].slot, 2);
    EXPECT_EQ(store.Year(2), 2011.0f);
}

TEST_F(LoaderTest, OnlyRegularFilesAreOpened)
{
    // A pipe without a writer used to block the load for ever in open().
    const QString pipe = files.PathOf("pipe.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto reports = Load({pipe, QStringLiteral("/dev/null"), files.Write("g.csv", ExampleHeader + ExampleRow4)});
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(DescribeLoadReport(reports[std::size_t(i)], 19),
                  QStringLiteral("    -> keine reguläre Datei, übersprungen."));
    EXPECT_EQ(reports[2].slot, 1);
}

TEST_F(LoaderTest, SkippedLinesKeepTheYearAndTheDay)
{
    // A blank or comment line between two workouts of one day must not
    // restart the day's sums, nor a bad date carry them into the next day.
    LoadOne(ExampleHeader + ExampleRow4 + "\r\n# comment\r\n" + ExampleRow5 + "\r\n" + std::string(220, ' '));
    EXPECT_EQ(store.Year(1), 2011.0f);
    EXPECT_FLOAT_EQ(Cell(74, 0), 2.0f);

    store.ClearYearStore();
    LoadOne(ExampleHeader + ExampleRow4 + "20111299;x\r\n" + "20110316;08:00;00:30:00;1;140;200;\r\n" + Trailer());
    EXPECT_FLOAT_EQ(Cell(74, 0), 1.5f);
    EXPECT_FLOAT_EQ(Cell(75, 0), 0.5f);
}

TEST_F(LoaderTest, NumbersTooLargeForTheStoreReadAsZero)
{
    // Two distances of 3e38 on one day: their sum is stored as 0 and counted too.
    const auto report = LoadOne(ExampleHeader + "20110315;08:00;01:00:00;1e39;140;1e400;\r\n"
                                + "20110316;x;01:00:00;3e38;1;1;\r\n20110316;x;01:00:00;3e38;1;1;\r\n" + Trailer());
    EXPECT_EQ(report.valuesOutOfRange, 3);
    EXPECT_EQ(Cell(75, 1), 0.0f);
    for (int c = 0; c < TYearStore::ColumnCount; ++c)
        EXPECT_TRUE(std::isfinite(Cell(74, c))) << c;
    EXPECT_EQ(Cell(74, 1), 0.0f);
}

TEST_F(LoaderTest, RowsWithoutFieldsWriteNoDerivedValues)
{
    // The torque mean (power kind 4 over cadence kind 6) carried over from
    // the first workout used to land in column 1 of the rest days.
    LoadOne("D;T;Dauer;Strecke;Power;HF;Kadenz\r\n-;-;a;b;c;d;e\r\nKind;0;1;2;3;0;5\r\n"
            "20110410;08:00;01:00:00;30;200;140;80;\r\n20110411;Ruhetag\r\n20110412\r\n"
            "20110413;08:00;02:00:00;40;100;150;50;\r\n" + Trailer());
    const float first[] = {1, 30, 200, 140, 80, 0, 0, static_cast<float>(200.0 / 80.0 * 9.5547)};
    const float last[] = {2, 40, 100, 150, 50, 0, 0, static_cast<float>(100.0 / 50.0 * 9.5547)};
    for (int c = 0; c < TYearStore::ColumnCount; ++c) {
        EXPECT_FLOAT_EQ(Cell(100, c), c < 8 ? first[c] : 0.0f) << c;
        EXPECT_EQ(Cell(101, c) + Cell(102, c), 0.0f) << c; // the two rest days
        EXPECT_FLOAT_EQ(Cell(103, c), c < 8 ? last[c] : 0.0f) << c;
    }
}

TEST_F(LoaderTest, DecimalCommaAndDailyMaximum)
{
    LoadOne("D;T;Dauer;Max;Last\r\n-;-;a;b;c\r\nKind;0;1;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;3;2\r\n"
            "20110315;08:00;01:00:00;-5,5;7,25;\r\n20110315;09:00;01:00:00;-1;8;\r\n20110316;09:00;01:00:00;4,5;9;\r\n"
            + Trailer());
    EXPECT_EQ(Cell(74, 1), 0.0f); // negative values never beat the start of 0
    EXPECT_FLOAT_EQ(Cell(74, 2), 8.0f);
    EXPECT_FLOAT_EQ(Cell(75, 1), 4.5f);
}

} // namespace

// A year text reads exactly as a file of the same bytes: report, cells and metric names.
TEST(YearText, ReadsAsTheFileOfItsBytes)
{
    for (const char* name : {"2009.csv", "2012.csv"}) {
        const QString path = QStringLiteral(KALDORO_SOURCE_DIR "/samples/") + QLatin1String(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        TYearStore fromFile;
        TYearStore fromText;
        TStringListItems fileMetrics;
        TStringListItems textMetrics;
        TYearFileLoader fileLoader(fromFile, fileMetrics);
        TYearFileLoader textLoader(fromText, textMetrics);
        fileLoader.BeginLoad();
        textLoader.BeginLoad();
        EXPECT_EQ(fileLoader.ReadYearFile(path), textLoader.ReadYearText(QLatin1String(name), bytes));
        EXPECT_EQ(fileMetrics.Items(), textMetrics.Items());
        for (int day = 1; day <= TYearStore::MaxDayIndex; ++day)
            for (int column = 0; column < TYearStore::ColumnCount; ++column)
                ASSERT_EQ(fromFile.Cell(1, day, column), fromText.Cell(1, day, column)) << name << " day " << day;
    }
}
