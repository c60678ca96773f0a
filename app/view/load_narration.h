#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class TLoadPane;
class TYearView;
struct TFileLoadReport;

// One load into the year view, told line by line: each file's path or
// year, what was skipped in it, the import's notes and how many years are
// shown. The window and the runs without it tell a load alike.
class TLoadNarration
{
public:
    // After the view's BeginLoad.
    TLoadNarration(TYearView& view, TLoadPane& pane);

    void ReadYearFiles(const QStringList& paths);
    // The year texts of an import, each named by its pane line; then the
    // import's notes (the exports' paths when no year came of them). Only
    // the seasons beginning in seasonYears are cut, if given.
    void ReadImport(const std::map<int, std::string>& texts, const std::function<QString(int year)>& yearLine,
                    const QString& source, const QStringList& notes,
                    const std::optional<std::vector<int>>& seasonYears);
    // Cuts the seasons; a line when more years were loaded than are drawn.
    // Returns how many were loaded.
    int Finish();

private:
    void Report(const TFileLoadReport& report);

    TYearView& view_;
    TLoadPane& pane_;
};
