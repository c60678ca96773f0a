// The import options are taken out of the arguments; the rest is left for
// the ordinary command line.
#include "app/cli/import_command.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportCommand, TakesItsOptionsAndLeavesTheRest)
{
    QStringList arguments = {"--mode", "4", "--import", "a.csv", "--sport", "Run", "--sport", "Trail Run",
                             "--years", "2019-2024", "--convert-to", "out", "--", "--sport"};
    const TImportCommand command = TImportCommand::Extract(arguments);
    EXPECT_TRUE(command.error.isEmpty()) << command.error.toStdString();
    EXPECT_EQ(command.files, QStringList{QStringLiteral("a.csv")});
    EXPECT_EQ(command.sports, (QStringList{"Run", "Trail Run"}));
    EXPECT_EQ(command.years, std::make_optional(std::pair(2019, 2024)));
    EXPECT_EQ(command.convertTo, QStringLiteral("out"));
    EXPECT_EQ(arguments, (QStringList{"--mode", "4", "--", "--sport"}));

    QStringList single = {"--import", "a.csv", "--years", "2021", "--list-sports"};
    const TImportCommand one = TImportCommand::Extract(single);
    EXPECT_EQ(one.years, std::make_optional(std::pair(2021, 2021)));
    EXPECT_TRUE(one.listSports);
}

TEST(ImportCommand, RefusesWhatCannotWork)
{
    const QStringList refused[] = {
        {"--import"},
        {"--import", "a", "--column", "speed=Speed"},
        {"--import", "a", "--column", "distance"},
        {"--column", "distance=km"},
        {"--import", "a", "--years", "2024-2019"},
        {"--import", "a", "--years", "0-5"},
        {"--import", "a", "--years", "2019-2020-2021"},
        {"--import", "a", "--years", "x"},
        {"--sport", "Run"},
        {"--convert-to", "dir"},
        {"--import", "a", "--list-sports", "--convert-to", "dir"},
    };
    for (QStringList arguments : refused)
        EXPECT_FALSE(TImportCommand::Extract(arguments).error.isEmpty()) << arguments.join(' ').toStdString();
}

} // namespace
