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

// Shared memory keeps the many small writes off the disk where it exists.
QString TempRoot()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QDir(shm).exists() && QFile::permissions(shm).testFlag(QFile::WriteUser)
        ? shm + QStringLiteral("/kaldoro-fuzz-XXXXXX")
        : QDir::tempPath() + QStringLiteral("/kaldoro-fuzz-XXXXXX");
}

struct TFuzzState
{
    QTemporaryDir folder{TempRoot()};
    TYearFilesHarness harness{folder.path()};
};

std::unique_ptr<TFuzzState> state;

// libFuzzer leaves through exit(): the folder must go then, too.
void DropState() { state.reset(); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!state) {
        state = std::make_unique<TFuzzState>();
        if (!state->folder.isValid()) {
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
