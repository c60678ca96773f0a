#pragma once

#include <QString>

// The text of the help window, as HTML.
namespace HelpText {

QString Html();

} // namespace HelpText
