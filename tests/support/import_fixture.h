#pragma once

#include "app/import/export_file.h"
#include "app/import/import_selection.h"
#include "app/import/workout_reader.h"
#include "app/import/year_text_writer.h"
#include "app/year/string_items.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"

#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>

// Imports an export and loads its year texts through the ordinary loader,
// as the window does.
struct TImportedStore
{
    std::unique_ptr<TYearStore> store = std::make_unique<TYearStore>();
    TStringListItems metrics;
    std::map<int, int> slotOfYear;

    void Load(const std::map<int, std::string>& texts)
    {
        TYearFileLoader loader(*store, metrics);
        store->ClearYearStore();
        loader.BeginLoad();
        for (const auto& [year, text] : texts) {
            const auto report = loader.ReadYearText(QString::number(year) + QStringLiteral(".csv"),
                                                    QByteArrayView(text.data(), qsizetype(text.size())));
            slotOfYear[year] = report.slot;
        }
    }

    // The year's total of a column: the sum of its daily cells.
    double Total(int year, int column) const
    {
        double sum = 0.0;
        for (int day = 1; day <= TYearStore::MaxDayIndex; ++day)
            sum += store->Cell(slotOfYear.at(year), day, column);
        return sum;
    }
};

// Runs code with TZ set to zone, restoring the old value afterwards.
template <typename Body>
void WithTimeZone(const char* zone, Body&& body)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", zone, 1);
    tzset();
    body();
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

inline QString TestData(const char* relative)
{
    return QStringLiteral(KALDORO_SOURCE_DIR "/tests/data/import/") + QLatin1String(relative);
}
