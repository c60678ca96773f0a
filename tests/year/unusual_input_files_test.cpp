// Inputs too large to keep in the repository or that only exist on a live
// file system: made here, in a temporary folder, for every run.

#include "app/year/load_report.h"
#include "app/year/string_items.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"
#include "support/loader_fixture.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using TOutcome = TFileLoadReport::TOutcome;

const std::string Header = "Datum;Zeit;Dauer;Strecke;HF;Leistung\n-;-;[h];[km];[1/min];[W]\n"
                           "Kind;0;1;2;0;3;0;0;0;0;0;0;0;0;4\n";
const std::string Row74 = "20110315;08:00;01:00:00;10;140;200;\n";
const std::string Row75 = "20110316;08:00;02:00:00;20;150;210;\n";
const std::string Trailer = "20110000;#;" + std::string(220, '#') + "\n";

// A row of 2011 for the n-th of 336 days (28 in each month): "2011MMDD".
std::string DateOfDay(int n)
{
    char date[32];
    std::snprintf(date, sizeof date, "2011%02d%02d", n / 28 + 1, n % 28 + 1);
    return date;
}

QString Pane(const TFileLoadReport& report) { return DescribeLoadReport(report, TYearStore::LastYearSlot); }

class UnusualInputFiles : public TLoaderFixture
{
protected:
    QByteArray Name(const QString& path) const { return QFile::encodeName(path); }
};

TEST_F(UnusualInputFiles, TenMegabyteLineIsSkippedAndTheRowsAroundItKept)
{
    const std::string huge = "20110317;08:00;01:00:00;" + std::string(10 * 1024 * 1024, '7') + ";\n";
    const auto report = Load({files.Write("long.csv", Header + Row74 + huge + Row75 + Trailer)}).front();
    EXPECT_EQ(Pane(report), QStringLiteral("    -> 1 Zeile länger als 1 MiB übersprungen."));
    EXPECT_EQ(report.acceptedRows, 2);
    EXPECT_FLOAT_EQ(store.Cell(1, 74, 1), 10.0f);
    EXPECT_FLOAT_EQ(store.Cell(1, 75, 1), 20.0f);
    EXPECT_EQ(store.Cell(1, 76, 1), 0.0f);
}

TEST_F(UnusualInputFiles, FiftyMegabyteFileKeepsEveryRow)
{
    // Rows padded to about 340 bytes, one kilometre and ten minutes each.
    const std::string padding(300, ' ');
    std::string text = Header;
    int rows = 0;
    for (; text.size() < 50u * 1024 * 1024; ++rows)
        text += DateOfDay(rows % 336) + ";08:00;00:10:00;1;140;200;" + padding + "\n";
    const auto report = Load({files.Write("big.csv", text + Trailer)}).front();
    EXPECT_EQ(report.acceptedRows, rows);
    EXPECT_TRUE(Pane(report).isEmpty());
    double km = 0.0;
    double hours = 0.0;
    for (int day = 1; day <= TYearStore::MaxDayIndex; ++day) {
        km += store.Cell(1, day, 1);
        hours += store.Cell(1, day, 0);
    }
    EXPECT_EQ(km, double(rows));
    EXPECT_NEAR(hours, rows / 6.0, rows * 1e-5);
}

TEST_F(UnusualInputFiles, FoldersPipesAndLinkLoopsTakeNoSlotAndDoNotHang)
{
    ASSERT_TRUE(QDir().mkpath(files.PathOf("folder.csv")));
    ASSERT_EQ(::mkfifo(Name(files.PathOf("pipe.csv")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("loop-b.csv", Name(files.PathOf("loop-a.csv")).constData()), 0);
    ASSERT_EQ(::symlink("loop-a.csv", Name(files.PathOf("loop-b.csv")).constData()), 0);
    const QString good = files.Write("good.csv", Header + Row74 + Trailer);
    const auto reports = Load({files.PathOf("folder.csv"), files.PathOf("pipe.csv"), files.PathOf("loop-a.csv"), good});
    const QString notRegular = QStringLiteral("    -> keine reguläre Datei, übersprungen.");
    EXPECT_EQ(Pane(reports[0]), notRegular);
    EXPECT_EQ(Pane(reports[1]), notRegular);
    EXPECT_EQ(Pane(reports[2]), QStringLiteral("    -> Datei kann nicht geöffnet werden, übersprungen."));
    EXPECT_EQ(reports[3].slot, 1);
}

TEST_F(UnusualInputFiles, FileWithoutReadPermission)
{
    const QString path = files.Write("secret.csv", Header + Row74 + Trailer);
    ASSERT_EQ(::chmod(Name(path).constData(), 0), 0);
    // Root reads it all the same; everybody else must be told.
    const bool readable = ::access(Name(path).constData(), R_OK) == 0;
    const auto report = Load({path}).front();
    if (readable) {
        EXPECT_EQ(report.slot, 1);
        EXPECT_FLOAT_EQ(store.Cell(1, 74, 1), 10.0f);
    } else {
        EXPECT_EQ(Pane(report), QStringLiteral("    -> Datei kann nicht geöffnet werden, übersprungen."));
        EXPECT_FALSE(store.IsSlotLoaded(1));
    }
}

TEST_F(UnusualInputFiles, SameFileThirtyTimesAndFortyFilesFillNineteenSlots)
{
    const QString same = files.Write("same.csv", Header + Row74 + Trailer);
    const auto sameReports = Load(std::vector<QString>(30, same));
    std::vector<QString> forty;
    for (int i = 0; i < 40; ++i) {
        const std::string row = std::to_string(1990 + i) + "0315;x;01:00:00;1;1;1;\n";
        forty.push_back(files.Write(QStringLiteral("y%1.csv").arg(i), Header + row));
    }
    const auto fortyReports = Load(forty);
    const QString refused = QStringLiteral("    -> nicht gelesen: höchstens 19 Dateien je Ladevorgang.");
    for (const auto* reports : {&sameReports, &fortyReports})
        for (std::size_t i = 0; i < reports->size(); ++i) {
            EXPECT_EQ((*reports)[i].slot, i < 19 ? int(i) + 1 : 0) << i;
            EXPECT_EQ(Pane((*reports)[i]), i < 19 ? QString() : refused) << i;
        }
    EXPECT_EQ(store.Year(19), 2008.0f);
    EXPECT_EQ(loader.SlotsFilled(), 19);
}

TEST_F(UnusualInputFiles, FileThatShrinksWhileReadKeepsWhatIsLeft)
{
    std::string text = Header;
    std::size_t half = 0;
    for (int n = 0; n < 300; ++n) {
        text += DateOfDay(n) + ";08:00;01:00:00;1;140;200;\n";
        if (n == 149)
            half = text.size();
    }
    const QString path = files.Write("shrinking.csv", text + Trailer);
    // Cut to the first 150 rows once the loader has taken the size: reading
    // on used to repeat the last row for ever.
    loader.OnOpened = [&](const QString& opened) { ASSERT_TRUE(QFile::resize(opened, qint64(half))); };
    const auto report = Load({path}).front();
    EXPECT_EQ(report.acceptedRows, 150);
    EXPECT_EQ(Pane(report),
              QStringLiteral("    -> Datei beim Lesen kürzer geworden, nur der vorhandene Teil gelesen."));
    for (int n = 0; n < 300; ++n)
        EXPECT_EQ(store.Cell(1, TYearFileLoader::DayIndexOfRow(DateOfDay(n)).day, 1), n < 150 ? 1.0f : 0.0f) << n;
}

} // namespace
