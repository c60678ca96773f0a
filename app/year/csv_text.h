#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Byte-level helpers for reading the year files. Every function works on
// the given view only and never looks past its end.
namespace CsvText {

// A leading decimal integer: blanks skipped, an optional sign, then digits;
// no digits gives 0. Saturates instead of overflowing.
int LeadingInteger(std::string_view text);

// A decimal floating-point number at the start of text (leading white space,
// optional sign, digits with an optional "." and fraction, optional exponent).
// Reading stops at the first character that cannot continue the number; no
// number gives 0. Returns false when the number does not fit a double.
bool LeadingDecimal(std::string_view text, double& value);

// Seconds of a duration h:mm:ss after leading blanks (code 32): one or more
// hour digits, ":", minutes 00 to 59, ":", seconds 00 to 59; whatever
// follows is ignored. Anything else (an empty field, "1:30", "-1:00:00",
// "99:99:99") has no duration.
std::optional<double> DurationSeconds(std::string_view text);

// Cuts text at the first carriage return or line feed.
std::string_view CutAtLineEnd(std::string_view text);

// Removes leading and trailing blanks and control characters.
std::string_view TrimBlanksAndControls(std::string_view text);

// UTF-8 when the bytes are valid UTF-8, else Latin-1.
QString Decode(std::string_view bytes);

} // namespace CsvText
