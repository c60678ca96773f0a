// The import dialog on the real Garmin export: the defaults it offers and
// how a changed column mapping changes its lists.
#include "app/import_dialog.h"
#include "import_fixture.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

TEST(ImportDialog, OffersTheMostFrequentSportAndItsLatestYears)
{
    const TExportFile file = TExportFile::Open(TestData("garmin/Activities.csv"));
    TImportDialog dialog(file, file.DefaultMapping());
    EXPECT_EQ(dialog.SportList()->count(), 4);
    EXPECT_EQ(dialog.ChosenSports(), QStringList{QStringLiteral("Running")});
    EXPECT_EQ(dialog.ChosenYears(), (QList<int>{2019, 2020, 2021, 2022, 2023, 2024, 2025}));
    EXPECT_EQ(dialog.YearList()->item(0)->text(), QStringLiteral("2019 (71)"));

    // Without a sport column every workout is of one sport, 2026 included.
    auto boxes = dialog.findChildren<QComboBox*>();
    ASSERT_GE(boxes.size(), 2);
    boxes[1]->setCurrentIndex(0);
    EXPECT_EQ(dialog.SportList()->count(), 1);
    EXPECT_EQ(dialog.ChosenYears().size(), 8);
    EXPECT_EQ(dialog.Mapping().sportColumn, -1);

    // Picking "—" for the distance drops it from the mapping.
    boxes[3]->setCurrentIndex(0);
    EXPECT_EQ(dialog.Mapping()[TQuantity::Distance].column, -1);
    EXPECT_EQ(dialog.Mapping()[TQuantity::Duration].column, file.DefaultMapping()[TQuantity::Duration].column);
}

} // namespace
