#pragma once

#include <QString>

#include <optional>

// What a workout's activity type is, across services and export languages:
// "Virtual Ride", "Ciclismo em estradas" and "Mountainbiken" are all cycling.
enum class TSportKind { Running, Cycling, Swimming, Walking, Other };

namespace SportKinds {

constexpr int KindCount = 5;

// The kind of an activity type as a service writes it, in any case; a type
// nobody has taught it is Other.
TSportKind KindOf(const QString& sport);

// The kind's name on the command line: "running", "cycling", "swimming",
// "walking", "other".
QString Name(TSportKind kind);

// The kind's title in the import dialog.
QString Title(TSportKind kind);

// The kind a command-line name means, in any case.
std::optional<TSportKind> FromName(const QString& name);

} // namespace SportKinds
