// libFuzzer entry: the input is a Garmin summary page, or, starting like a
// ZIP, an account archive walked as the import walks it (nested archives,
// gzip members, the bomb and path checks).
#include "app/import/garmin_summary_page.h"
#include "app/import/export_file.h"
#include "app/import/source_walker.h"
#include "fuzz/import_fuzz_checks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.rfind("PK", 0) == 0) {
        TSourceWalker walker(QStringLiteral("fuzz.zip"));
        walker.WalkArchive([&] { return std::make_unique<TArchiveReader>(bytes, TArchiveReader::TFormat::Zip); },
                           QStringLiteral("fuzz.zip"));
        const TWorkoutSource source = walker.TakeSource();
        CheckWorkouts(source.summaries);
        CheckWorkouts(source.originals);
        return 0;
    }
    try {
        std::vector<TWorkout> workouts;
        for (const TGarminPage::TEntry& entry : GarminSummaryPage::Read(bytes).entries)
            workouts.push_back(entry.workout);
        CheckWorkouts(workouts);
    } catch (const TImportError&) {
        // no export: refused with a pane line
    }
    return 0;
}
