#pragma once

#include "app/year/season_start.h"

#include <QString>
#include <QStringList>

#include <optional>

// The season start as the window names it: "1. Oktober", "15. März".
namespace SeasonStartText {

QString Of(const TSeasonStart& start);
// The common starts offered in the window: 1 January, 1 September, 1 October, 1 November.
QStringList CommonStarts();
// A typed start: "15.10.", "15.10", "15. Oktober" or "10-15"; none for a
// day not every year has (29 February included).
std::optional<TSeasonStart> Parse(const QString& text);

} // namespace SeasonStartText
