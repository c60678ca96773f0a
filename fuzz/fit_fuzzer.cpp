// libFuzzer entry: the input is a FIT file; the decoder must refuse it or
// give sessions that become sound workouts, never read past its end.
#include "app/import/fit_decoder.h"
#include "app/import/fit_workouts.h"
#include "fuzz/import_fuzz_checks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        for (const TFitFile& file : FitDecoder::Decode({reinterpret_cast<const char*>(data), size}))
            CheckWorkouts(FitWorkouts::Of(file));
    } catch (const TFitError&) {
        // refused with a pane line
    }
    return 0;
}
