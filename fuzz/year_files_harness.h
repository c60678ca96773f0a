#pragma once

#include "app/year/load_report.h"
#include "app/year/string_items.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TYearStore;

// Feeds arbitrary bytes through the real year-file loader and every
// evaluation mode, the way one load of the window does, and names every
// broken promise of the result. Shared by the fuzzer and the replay of the
// inputs it once broke on.
class TYearFilesHarness
{
public:
    // Separates the year files within one input.
    static constexpr char FileMarker = '\x1e';
    static constexpr int MaxFiles = 3;

    TYearFilesHarness();
    ~TYearFilesHarness();

    // One to three year files: the bytes up to the first marker, between
    // the first and second, and the rest.
    static std::vector<std::string_view> SplitIntoFiles(std::string_view input);

    // Loads the files of input and evaluates them in every mode for a few
    // metrics; input with line feeds but no carriage return is loaded once
    // more with lone carriage returns instead, which must change nothing.
    // Returns the violated expectations, none when all is well.
    QStringList Run(std::string_view input);

private:
    struct TLoad
    {
        std::vector<TFileLoadReport> reports;
        TStringListItems metrics;
        int slotsFilled = 0;
    };

    TLoad Load(std::string_view input, TYearStore& store, QStringList& violations);
    void CompareWithReturnLineEnds(std::string_view input, const TLoad& load, QStringList& violations);

    // Kept from run to run and cleared as the load button clears it: a fresh
    // megabyte for every input would cost more than the load itself.
    std::unique_ptr<TYearStore> store_;
    std::unique_ptr<TYearStore> mirror_; // the same files with other line ends
};
