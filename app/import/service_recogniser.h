#pragma once

#include "app/import/column_mapping.h"
#include "app/import/csv_table.h"

#include <QString>

#include <memory>
#include <vector>

// Recognises one service's export by its header and says which columns feed
// which quantity. Never looks at the file name.
class TServiceRecogniser
{
public:
    virtual ~TServiceRecogniser() = default;

    virtual QString Name() const = 0;
    virtual bool Recognises(const TCsvTable& table) const = 0;
    virtual TColumnMapping DefaultMapping(const TCsvTable& table) const = 0;

    // The services in the order they are tried; the last one takes any CSV.
    static std::vector<std::unique_ptr<TServiceRecogniser>> All();
};
