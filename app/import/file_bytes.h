#pragma once

#include <QString>

#include <optional>
#include <string>

// The bytes of a regular file picked for an import, at most MaxBytes.
namespace FileBytes {

constexpr long long MaxBytes = 1LL << 30;

// Nothing, with why set, for a file that is missing, no regular file,
// unreadable or larger than MaxBytes.
std::optional<std::string> Read(const QString& path, QString& why);

} // namespace FileBytes
