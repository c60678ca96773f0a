#pragma once

#include "app/import/column_mapping.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// A column the command line names for a quantity, the date or the sport:
// --column distance="Distance (km)". An empty name maps none.
struct TColumnOverride
{
    QString key;
    QString name;
};

namespace ColumnOverrides {

// The keys --column knows: date, sport and the quantities.
QStringList Keys();

// Reads "KEY=NAME"; nothing, with error set, when the key is unknown.
std::optional<TColumnOverride> Parse(const QString& text, QString& error);

// Points the mapping at the named columns of header ("Distance.1" is the
// second "Distance"); returns an error text when a name is not there.
QString Apply(const std::vector<TColumnOverride>& overrides, const std::vector<std::string>& header,
              TColumnMapping& mapping);

} // namespace ColumnOverrides
