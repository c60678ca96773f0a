// libFuzzer entry: the input becomes one to three year texts, loaded and
// evaluated as in the window. A broken expectation aborts like a crash, so
// libFuzzer keeps the input.

#include "fuzz/year_files_harness.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One harness for the whole run: it keeps its stores from input to input.
    static TYearFilesHarness harness;
    const QStringList violations = harness.Run({reinterpret_cast<const char*>(data), size});
    if (!violations.isEmpty()) {
        for (const QString& violation : violations)
            std::fprintf(stderr, "violated: %s\n", violation.toUtf8().constData());
        std::abort();
    }
    return 0;
}
