// Splitting export text into rows: what the CSV library handles and what the
// lenient second pass recovers.
#include "app/import/csv_reader.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Fields(const TCsvRow& row)
{
    std::vector<std::string> fields;
    for (int i = 0; i < row.FieldCount(); ++i)
        fields.emplace_back(row.Field(i));
    return fields;
}

struct TCase
{
    const char* name;
    std::string text;
    std::vector<std::vector<std::string>> rows;
    int unreadable;
    int recovered;
};

TEST(CsvReader, SplitsRowsOfEveryExportShape)
{
    const TCase cases[] = {
        {"quoted line break and doubled quotes", "a,b,c\n1,\"x\ny\",\"say \"\"hi\"\"\"\n2,z,\n",
         {{"1", "x\ny", "say \"hi\""}, {"2", "z", ""}}, 0, 0},
        {"semicolons and CRLF", "a;b\r\n1,5;2\r\n3;4\r\n", {{"1,5", "2"}, {"3", "4"}}, 0, 0},
        {"tabs", "a\tb\n1\t2\n", {{"1", "2"}}, 0, 0},
        {"byte-order mark, blank lines, no final line end", "\xEF\xBB\xBF" "a,b\n\n1,2\n\n3,4",
         {{"1", "2"}, {"3", "4"}}, 0, 0},
        {"trailing delimiter", "a;b\n1;2;\n", {{"1", "2"}}, 0, 0},
        {"stray quote inside a title", "T,Title,D\n\"R\",\"My \"fast\" run\",\"5\"\n\"R\",\"ok\",\"6\"\n",
         {{"R", "My \"fast\" run", "5"}, {"R", "ok", "6"}}, 0, 0},
        {"stray quote right before the closing one",
         "T,Title,D\n\"R\",\"Run 5\"\",\"5\"\n\"R\",\"ok\",\"6\"\n\"R\",\"last\",\"7\"\n",
         {{"R", "Run 5\"", "5"}, {"R", "ok", "6"}, {"R", "last", "7"}}, 0, 1},
        {"too few fields: the missing cells are empty", "a,b,c\n1,2\n3,4,5\n", {{"1", "2"}, {"3", "4", "5"}}, 0, 0},
        {"header one name longer, line break in a cell", "a,b,c,\n1,\"x\ny\",3\n", {{"1", "x\ny", "3"}}, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TCsvTable table = CsvReader::Read(c.text);
        ASSERT_EQ(table.rows.size(), c.rows.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(Fields(table.rows[i]), c.rows[i]) << "row " << i;
        EXPECT_EQ(table.unreadableRows, c.unreadable);
        EXPECT_EQ(table.recoveredRows, c.recovered);
    }
}

TEST(CsvReader, KeepsTheLineWhereEachRowStarts)
{
    const TCsvTable table = CsvReader::Read("a,b\n1,\"x\ny\"\n2,3\n");
    EXPECT_EQ(table.lineOfRow, (std::vector<int>{2, 4}));
}

TEST(CsvReader, SurvivesJunk)
{
    std::string junk(200000, '"');
    junk[100] = '\n';
    const TCsvTable quotes = CsvReader::Read(junk);
    EXPECT_EQ(quotes.header.size(), 1u);
    EXPECT_LE(quotes.rows.size(), 1u);
    const TCsvTable wide = CsvReader::Read(std::string(5000, ',') + "\n" + std::string(5000, ',') + "\n");
    EXPECT_EQ(int(wide.header.size()), CsvReader::MaxFields);
    EXPECT_EQ(wide.rows.size(), 1u);
}

} // namespace
