// libFuzzer entry: the input becomes one to three year files, loaded and
// evaluated as in the window. A broken expectation aborts like a crash, so
// libFuzzer keeps the input.

#include "fuzz/year_files_harness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The folder for the year files: the one fuzz/run-fuzzer.sh made (and
// removes, since libFuzzer may end the process without running any exit
// handler), or else a new one in shared memory or the temporary folder.
QString TempRoot()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QDir(shm).exists() && QFile::permissions(shm).testFlag(QFile::WriteUser)
        ? shm + QStringLiteral("/kaldoro-fuzz-XXXXXX")
        : QDir::tempPath() + QStringLiteral("/kaldoro-fuzz-XXXXXX");
}

std::unique_ptr<QTemporaryDir> FolderUnlessGiven()
{
    return qEnvironmentVariableIsEmpty("KALDORO_FUZZ_FILES") ? std::make_unique<QTemporaryDir>(TempRoot()) : nullptr;
}

struct TFuzzState
{
    TFuzzState()
        : folder(FolderUnlessGiven()),
          path(folder ? folder->path() : qEnvironmentVariable("KALDORO_FUZZ_FILES")),
          harness(path)
    {
    }

    std::unique_ptr<QTemporaryDir> folder;
    QString path;
    TYearFilesHarness harness;
};

std::unique_ptr<TFuzzState> state;

void DropState() { state.reset(); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!state) {
        state = std::make_unique<TFuzzState>();
        if (state->path.isEmpty() || !QDir(state->path).exists()) {
            std::fprintf(stderr, "no temporary folder\n");
            std::abort();
        }
        std::atexit(DropState);
    }
    const QStringList violations = state->harness.Run({reinterpret_cast<const char*>(data), size});
    if (!violations.isEmpty()) {
        for (const QString& violation : violations)
            std::fprintf(stderr, "violated: %s\n", violation.toUtf8().constData());
        std::abort();
    }
    return 0;
}
