// The import dialog on the real Garmin export: the defaults it offers and
// how a changed column mapping changes its lists.
#include "app/import/export_set.h"
#include "app/window/import_dialog.h"
#include "support/import_fixture.h"
#include "support/temp_files.h"

#include "app/window/main_form.h"
#include "app/window/open_file_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QTreeWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(ImportDialog, OffersTheMostFrequentKindAndItsLatestYears)
{
    TExportSet exports;
    exports.Add(TExportFile::Open(TestData("garmin/Activities.csv")), {});
    exports.SetFirstMapping(exports.File(0).DefaultMapping());
    const TExportFile& file = exports.File(0);
    TImportDialog dialog(exports);
    QTreeWidgetItem* allSports = dialog.SportList()->topLevelItem(0);
    ASSERT_NE(allSports, nullptr);
    ASSERT_EQ(allSports->childCount(), 1);
    QTreeWidgetItem* running = allSports->child(0);
    EXPECT_EQ(running->text(0), QStringLiteral("Laufen (1131)"));
    EXPECT_EQ(running->childCount(), 4);
    EXPECT_EQ(dialog.ChosenSports().size(), 4);
    EXPECT_EQ(dialog.ChosenYears(), (QList<int>{2019, 2020, 2021, 2022, 2023, 2024, 2025, 2026}));
    EXPECT_EQ(dialog.YearList()->topLevelItem(0)->text(0), QStringLiteral("Alle (1131)"));
    EXPECT_EQ(dialog.YearList()->topLevelItem(0)->child(0)->text(0), QStringLiteral("2019 (124)"));

    // One type unchecked: the years follow (2026 has treadmill runs only).
    running->child(1)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(dialog.ChosenSports().size(), 3);
    EXPECT_EQ(dialog.ChosenYears().size(), 7);
    // "Alle" checks every type again; unchecked it leaves none.
    allSports->setCheckState(0, Qt::Checked);
    EXPECT_EQ(dialog.ChosenSports().size(), 4);
    allSports->setCheckState(0, Qt::Unchecked);
    EXPECT_TRUE(dialog.ChosenSports().isEmpty());
    EXPECT_TRUE(dialog.ChosenYears().isEmpty());

    // Without a sport column every workout is of one sport.
    auto boxes = dialog.findChildren<QComboBox*>();
    ASSERT_GE(boxes.size(), 2);
    boxes[1]->setCurrentIndex(0);
    EXPECT_EQ(dialog.ChosenSports().size(), 1);
    EXPECT_EQ(dialog.ChosenYears().size(), 8);
    EXPECT_EQ(dialog.Mapping().sportColumn, -1);

    // Picking "—" for the distance drops it from the mapping.
    boxes[3]->setCurrentIndex(0);
    EXPECT_EQ(dialog.Mapping()[TQuantity::Distance].column, -1);
    EXPECT_EQ(dialog.Mapping()[TQuantity::Duration].column, file.DefaultMapping()[TQuantity::Duration].column);
}

// Picks the same files every time.
class TPickingDialog : public TOpenFileDialog
{
public:
    explicit TPickingDialog(QStringList paths) : paths_(std::move(paths)) {}
    std::optional<QStringList> Execute(QWidget*, const QString&) override { return paths_; }

private:
    QStringList paths_;
};

TEST(ImportDialog, ImportsEveryChosenFileAndAWorkoutInTwoOfThemOnce)
{
    TempFiles files;
    const std::string header = "Date,Type,Duration,Distance (km)\n";
    const QStringList parts = {files.Write("a.csv", header + "2019-05-01 07:00:00,Running,1:00:00,10\n"),
                               files.Write("b.csv", header + "2019-05-01 07:00:00,Running,1:00:00,10\n"
                                                             "2020-05-01 07:00:00,Running,1:00:00,12\n")};
    TForm1 form(std::make_unique<TPickingDialog>(parts));
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    form.IMPORT_ExportClick();
    const QString pane = form.MemoLines().join(QLatin1Char('\n'));
    EXPECT_TRUE(pane.contains(QStringLiteral("2019 (Runkeeper, 1 Einheit)"))) << pane.toStdString();
    EXPECT_TRUE(pane.contains(QStringLiteral("2020 (Runkeeper, 1 Einheit)"))) << pane.toStdString();
    EXPECT_TRUE(pane.contains(QStringLiteral("1 Einheit doppelt"))) << pane.toStdString();
}

} // namespace
