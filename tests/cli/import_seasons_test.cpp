// An import with a season start names seasons: --years A-B loads the
// calendar years A to B + 1, and the default keeps the latest eight seasons.
#include "app/cli/import_run.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

TEST(ImportSeasons, YearsNameSeasonsAndLoadTheYearsThatHoldThem)
{
    TempFiles files;
    std::string text = "Date,Sport,Duration,Distance\n";
    for (int year = 2010; year <= 2024; ++year)
        text += std::to_string(year) + "-02-10,Run,1:00:00,10\n" + std::to_string(year) + "-11-10,Run,1:00:00,10\n";
    TImportCommand command;
    command.files = {files.Write("log.csv", text)};
    const auto loaded = [&](std::optional<std::pair<int, int>> years) {
        command.years = years;
        TImportedYears imported;
        EXPECT_FALSE(ImportRun::Prepare(command, {10, 1}, imported, nullptr));
        std::vector<int> calendar;
        for (const auto& [year, rows] : imported.texts)
            calendar.push_back(year);
        return std::pair(calendar, imported.seasons.value_or(std::vector<int>{}));
    };
    EXPECT_EQ(loaded(std::pair(2020, 2021)), std::pair(std::vector<int>{2020, 2021, 2022}, std::vector<int>{2020, 2021}));
    const auto latest = loaded(std::nullopt);
    EXPECT_EQ(latest.second, (std::vector<int>{2017, 2018, 2019, 2020, 2021, 2022, 2023, 2024}));
    EXPECT_EQ(latest.first.front(), 2017);
    EXPECT_EQ(latest.first.back(), 2024);
}
