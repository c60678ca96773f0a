#include "app/import/service_recogniser.h"

#include "app/import/garmin_recogniser.h"
#include "app/import/generic_recogniser.h"
#include "app/import/runkeeper_recogniser.h"
#include "app/import/strava_legacy_recogniser.h"
#include "app/import/strava_recogniser.h"
#include "app/import/trainingpeaks_recogniser.h"

std::vector<std::unique_ptr<TServiceRecogniser>> TServiceRecogniser::All()
{
    std::vector<std::unique_ptr<TServiceRecogniser>> all;
    // Strava before Garmin: both have "Activity Type"; only Strava has "Activity ID".
    all.push_back(std::make_unique<TStravaRecogniser>());
    all.push_back(std::make_unique<TStravaLegacyRecogniser>());
    all.push_back(std::make_unique<TTrainingPeaksRecogniser>());
    all.push_back(std::make_unique<TRunkeeperRecogniser>());
    all.push_back(std::make_unique<TGarminRecogniser>());
    all.push_back(std::make_unique<TGenericRecogniser>());
    return all;
}
