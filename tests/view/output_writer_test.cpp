// The one writer of every output file: whole or nothing, never onto an input.
#include "app/view/output_writer.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(OutputWriter, WritesWholeFilesOrRefusesAndKeepsTheTarget)
{
    TempFiles files;
    const QString input = files.Write(QStringLiteral("input.csv"), QByteArray("input"));
    const QString old = files.Write(QStringLiteral("old.csv"), QByteArray("old"));
    ASSERT_TRUE(QDir().mkpath(files.PathOf(QStringLiteral("folder"))));
    ASSERT_TRUE(QFile::link(input, files.PathOf(QStringLiteral("link.csv"))));
    struct Case { QString target; bool written; QByteArray after; };
    const Case cases[] = {
        {files.PathOf(QStringLiteral("new.csv")), true, "bytes"},
        {old, true, "bytes"},
        {files.PathOf(QStringLiteral("no/such/x.csv")), false, "(missing)"},
        {files.PathOf(QStringLiteral("folder")), false, "(missing)"},
        // An input under another name, through a link, is still the input.
        {files.PathOf(QStringLiteral("./input.csv")), false, "input"},
        {files.PathOf(QStringLiteral("link.csv")), false, "input"},
        // A device is written into, not replaced; a full one is an error.
        {QStringLiteral("/dev/full"), false, "(missing)"},
    };
    for (const Case& c : cases) {
        TOutputWriter writer({input});
        const QString error = writer.Stage(c.target, "bytes");
        const QString commitError = error.isEmpty() ? writer.Commit() : error;
        EXPECT_EQ(commitError.isEmpty(), c.written) << commitError.toStdString();
        if (!c.target.startsWith(QStringLiteral("/dev/"))) {
            EXPECT_EQ(ReadAll(c.target), c.after) << c.target.toStdString();
        }
        EXPECT_TRUE(commitError.isEmpty() || commitError.contains(c.target)) << commitError.toStdString();
    }
    EXPECT_TRUE(QFileInfo(files.PathOf(QStringLiteral("folder"))).isDir());
    EXPECT_TRUE(QFileInfo(files.PathOf(QStringLiteral("link.csv"))).isSymLink());
}

TEST(OutputWriter, NothingOfAnUncommittedRunIsLeftBehind)
{
    TempFiles files;
    const QString old = files.Write(QStringLiteral("old.csv"), QByteArray("old"));
    {
        TOutputWriter writer;
        ASSERT_EQ(writer.StageFolder(files.PathOf(QStringLiteral("years"))), QString());
        ASSERT_EQ(writer.Stage(files.PathOf(QStringLiteral("years/2011.csv")), "2011"), QString());
        ASSERT_EQ(writer.Stage(old, "new"), QString());
        EXPECT_FALSE(writer.Stage(old, "twice").isEmpty());
        EXPECT_EQ(ReadAll(old), "old");
    }
    EXPECT_EQ(ReadAll(old), "old");
    EXPECT_EQ(QDir(files.PathOf(QString())).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("old.csv")});
}

} // namespace
