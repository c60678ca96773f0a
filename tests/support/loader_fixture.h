#pragma once

#include "app/year/string_items.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"
#include "support/temp_files.h"

#include <QString>

#include <gtest/gtest.h>

#include <vector>

// A year store with its loader and a folder for the files a test writes.
class TLoaderFixture : public ::testing::Test
{
protected:
    // One load of the given paths, as the load button runs it.
    std::vector<TFileLoadReport> Load(const std::vector<QString>& paths)
    {
        loader.BeginLoad();
        std::vector<TFileLoadReport> reports;
        for (const QString& path : paths)
            reports.push_back(loader.ReadYearFile(path));
        return reports;
    }

    TempFiles files;
    TYearStore store;
    TStringListItems metrics;
    TYearFileLoader loader{store, metrics};
};
