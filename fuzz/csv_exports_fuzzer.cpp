// libFuzzer entry: the input is a workout export; every service's
// recogniser and the workout reader must take it without a crash, a hang
// or a workout that is no workout.
#include "app/import/export_file.h"
#include "app/import/workout_reader.h"
#include "fuzz/import_fuzz_checks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const TExportFile file = TExportFile::FromBytes(std::string(reinterpret_cast<const char*>(data), size), {});
        CheckWorkouts(WorkoutReader::Read(file.Table(), file.DefaultMapping()).workouts);
    } catch (const TImportError&) {
        // refused with a pane line: fine
    }
    return 0;
}
