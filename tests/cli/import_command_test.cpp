// The import options of the command line, parsed with all the others.
#include "app/cli/arguments.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportCommand, ReadsItsOptionsBesideTheOthers)
{
    const QStringList arguments = {"--mode", "4", "--import", "a.csv", "--sport", "Run", "--sport", "Trail Run",
                                   "--years", "2019-2024", "--convert-to", "out", "--export-csv", "-"};
    const TArguments parsed = TArguments::Parse(arguments);
    const TImportCommand& command = parsed.import;
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(command.files, QStringList{QStringLiteral("a.csv")});
    EXPECT_EQ(command.sports, (QStringList{"Run", "Trail Run"}));
    EXPECT_EQ(command.years, std::make_optional(std::pair(2019, 2024)));
    EXPECT_EQ(command.convertTo, QStringLiteral("out"));
    EXPECT_EQ(parsed.commandLine.mode, 4);
    EXPECT_EQ(parsed.commandLine.exportCsv, QStringLiteral("-"));

    const TImportCommand one = TArguments::Parse({"--import", "a.csv", "--years", "2021", "--list-sports"}).import;
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
    for (const QStringList& arguments : refused)
        EXPECT_FALSE(TArguments::Parse(arguments).error.isEmpty()) << arguments.join(' ').toStdString();
}

} // namespace
