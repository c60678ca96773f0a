#include "app/year/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadAll(const std::string& content, std::size_t maxLineLength = 1024)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
    EXPECT_EQ(std::fwrite(content.data(), 1, content.size(), file.get()), content.size());
    std::rewind(file.get());
    TLineReader reader(file.get(), maxLineLength);
    std::vector<std::string> lines;
    std::string line;
    for (TLineReader::TStatus status; (status = reader.ReadLine(line)) != TLineReader::TStatus::End;)
        lines.push_back(status == TLineReader::TStatus::TooLong ? "<too long>" : line);
    EXPECT_EQ(reader.Position(), std::int64_t(content.size()));
    // At the end nothing is read: the buffer keeps the last line.
    EXPECT_EQ(line, lines.empty() || lines.back() == "<too long>" ? std::string() : lines.back());
    return lines;
}

TEST(LineReader, EndsLinesAtFeedsReturnsOrBoth)
{
    struct Case { std::string content; std::vector<std::string> lines; };
    const Case cases[] = {
        {"", {}},
        {"a\nb", {"a\n", "b"}},
        {"a\r\nb\r\n", {"a\r\n", "b\r\n"}},
        {"a\rb\rc", {"a\r", "b\r", "c"}},
        {"a\r\rb\r\n\n", {"a\r", "\r", "b\r\n", "\n"}},
        {std::string(2000, 'x') + "\nok\n", {"<too long>", "ok\n"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadAll(c.content), c.lines) << c.content;
}

TEST(LineReader, ReturnAtTheEndOfABlockLooksIntoTheNext)
{
    // The reader fills 64 KiB at a time: put the carriage return on the last byte of the first block.
    const std::string first(64 * 1024 - 1, 'x');
    EXPECT_EQ(ReadAll(first + "\r\nnext\n", 1 << 20), (std::vector<std::string>{first + "\r\n", "next\n"}));
    EXPECT_EQ(ReadAll(first + "\rnext\n", 1 << 20), (std::vector<std::string>{first + "\r", "next\n"}));
    EXPECT_EQ(ReadAll(first + "\r", 1 << 20), (std::vector<std::string>{first + "\r"}));
}

} // namespace
