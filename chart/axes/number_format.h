#pragma once

#include "chart/axes/format_settings.h"

#include <QString>

// Formats a number with a picture such as "#,##0.###":
//   0   a digit that is always shown
//   #   a digit shown only when significant
//   .   the decimal separator (the first one; its place in the picture)
//   ,   thousands separators in the integer part (anywhere before the '.')
//   "x" or 'x'  literal text; any other character is copied as it is
//   ;   separates sections: positive;negative;zero. The negative section
//       is used without a minus sign; an empty or missing section falls
//       back to the first.
// The value is rounded to the picture's decimals, halves away from zero,
// on its 15 significant digits (so 2.675 with two decimals gives 2.68).
// An empty picture gives the shortest text of up to 15 significant digits.
QString FormatNumber(const QString& picture, double value,
                     const TFormatSettings& settings = ShownFormatSettings());
