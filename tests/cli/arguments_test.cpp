// One parse of all options: the refusals in the program's own words, and
// the values that look like options.
#include "app/cli/arguments.h"

#include <gtest/gtest.h>

namespace {

TEST(Arguments, RefusesInItsOwnWords)
{
    const struct
    {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{"a.csv", "--no-such-option"}, "unknown option '--no-such-option'"},
        {{"-hx"}, "unknown option '-hx'"},
        {{"--no-such=1", "--frobnicate"}, "unknown option '--no-such=1'"},
        {{"--help=1"}, "unknown option '--help=1'"},
        {{"--mode", "4", "--export-png"}, "option '--export-png' needs a value"},
        {{"--export-csv", ""}, "option '--export-csv' needs a value"},
        {{"--import", "a", "--sport="}, "option '--sport' needs a value"},
        {{"--export-svg", "-"}, "--export-svg writes a file; '-' (standard output) is for --export-csv"},
        {{"--mode", "7", "--mode", "1"}, "--mode takes a number from 0 to 5, not '7'"},
        {{"--import", "a", "b.csv"}, "--import loads one export; year files cannot be added to it"},
        {{"--export-svg", "s.svg", "--scale", "2"}, "--scale needs --export-png"},
        {{"--season-start", "02-30"}, "--season-start takes a day MM-DD that every year has, such as 10-01, not '02-30'"},
        {{"--season-start", "02-29"}, "--season-start takes a day MM-DD that every year has, such as 10-01, not '02-29'"},
        {{"--goal", "0"}, "--goal takes a number above 0, not '0'"},
        {{"--goal", "-5"}, "--goal takes a number above 0, not '-5'"},
        {{"--goal", "5.000,5"}, "--goal takes a number above 0, not '5.000,5'"},
        {{"--goal=nan"}, "--goal takes a number above 0, not 'nan'"},
        {{"--lang", "fr"}, "--lang takes de or en, not 'fr'"},
        {{"--lang", "EN"}, "--lang takes de or en, not 'EN'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TArguments::Parse(c.arguments).error, QString::fromUtf8(c.error)) << c.arguments.join(' ').toStdString();
}

TEST(Arguments, TakesValuesThatLookLikeOptions)
{
    const TArguments parsed = TArguments::Parse({"--export-csv", "--mode", "-", "--metric=3", "--", "--today"});
    EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.commandLine.exportCsv, QStringLiteral("--mode"));
    EXPECT_EQ(parsed.commandLine.mode, std::nullopt);
    EXPECT_EQ(parsed.commandLine.metric, 3);
    EXPECT_EQ(parsed.commandLine.files, (QStringList{"-", "--today"}));
    EXPECT_EQ(TArguments::Parse({"--goal", "5000.5"}).commandLine.goal, 5000.5); // scripts write C numbers
    EXPECT_EQ(TArguments::Parse({"--lang", "en"}).commandLine.language, TUiLanguage::English);

    const TArguments import = TArguments::Parse({"--import", "a", "--column", "distance=km", "--import", "-b",
                                                 "--column", "date=Day", "--export-csv", "-"});
    EXPECT_TRUE(import.error.isEmpty()) << import.error.toStdString();
    EXPECT_EQ(import.import.files, (QStringList{"a", "-b"}));
    EXPECT_EQ(import.import.columns.size(), 2u);
}

} // namespace
