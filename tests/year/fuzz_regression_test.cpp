// Replays every input the fuzzer once broke the loader with, through the
// same harness, in the ordinary sanitized build.

#include "fuzz/year_files_harness.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

TEST(FuzzRegressions, EveryKeptInputLoadsAndEvaluatesCleanly)
{
    const QDir inputs(QStringLiteral(KALDORO_SOURCE_DIR "/tests/data/fuzz-regressions"));
    const QStringList names = inputs.entryList({QStringLiteral("*.bin")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    TYearFilesHarness harness;
    for (const QString& name : names) {
        QFile file(inputs.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(harness.Run({bytes.constData(), std::size_t(bytes.size())}), QStringList()) << name.toStdString();
    }
}

TEST(FuzzRegressions, InputSplitsIntoOneToThreeFiles)
{
    struct Case { std::string input; std::vector<std::string_view> files; };
    const Case cases[] = {
        {"", {""}},
        {"a", {"a"}},
        {"a\x1e" "b", {"a", "b"}},
        {"\x1e", {"", ""}},
        {"a\x1e" "b\x1e" "c\x1e" "d", {"a", "b", "c\x1e" "d"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TYearFilesHarness::SplitIntoFiles(c.input), c.files) << c.input;
}

} // namespace
