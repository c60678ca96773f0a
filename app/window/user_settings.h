#pragma once

#include <QSettings>

#include <memory>

// Where Kaldoro keeps what it remembers between runs: the window, its
// dialogs' folders, the recent loads, the import's column choices.
namespace UserSettings {

// Set on the application object as well, so Qt's own paths agree.
inline constexpr char Organisation[] = "Kaldoro";
inline constexpr char Application[] = "kaldoro";

// The user's settings, named in full: the command line's import reads them
// before the application object exists.
std::unique_ptr<QSettings> Open();

} // namespace UserSettings
