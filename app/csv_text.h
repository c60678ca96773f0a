#pragma once

#include <QString>

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

// Seconds of a duration written hh:mm:ss at fixed positions after leading
// blanks (code 32). Only the digit positions 0-1, 3-4 and 6-7 are read;
// positions past the end of text count as "0".
int DurationSeconds(std::string_view text);

// Cuts text at the first carriage return or line feed.
std::string_view CutAtLineEnd(std::string_view text);

// Removes leading and trailing blanks and control characters.
std::string_view TrimBlanksAndControls(std::string_view text);

// UTF-8 when the bytes are valid UTF-8, else Latin-1.
QString Decode(std::string_view bytes);

} // namespace CsvText
