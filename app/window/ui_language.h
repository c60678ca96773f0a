#pragma once

#include <QString>

#include <optional>

// The language the window, the dialogs, the help and the numbers a person
// reads are shown in. German texts are the source texts; English comes
// from the translation embedded in the program.
enum class TUiLanguage { German, English };

namespace UiLanguage {

// German when the system's first UI language is German, else English.
TUiLanguage FromSystem();
// "de" or "en", as --lang and the settings write it; none for anything else.
std::optional<TUiLanguage> FromCode(const QString& code);
QString Code(TUiLanguage language);

// Installs the translations of Kaldoro and of Qt's own dialogs, the locale
// numbers are shown in and the chart's number and date formats. Needs the
// application object; a later call replaces the earlier language (widgets
// made before keep their texts).
void Install(TUiLanguage language);
// The language last installed; German before the first Install.
TUiLanguage Current();

} // namespace UiLanguage
