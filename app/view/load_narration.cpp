#include "app/view/load_narration.h"

#include "app/view/load_pane.h"
#include "app/view/year_view.h"
#include "app/year/load_report.h"
#include "app/year/year_counts.h"

#include <QCoreApplication>

TLoadNarration::TLoadNarration(TYearView& view, TLoadPane& pane) : view_(view), pane_(pane) {}

void TLoadNarration::Report(const TFileLoadReport& report)
{
    if (const QString finding = DescribeLoadReport(report, TYearStore::LastYearSlot); !finding.isEmpty())
        pane_.Finding(finding);
}

void TLoadNarration::ReadYearFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        pane_.Line(path);
        pane_.FileStep();
        Report(view_.ReadYearFile(path));
        pane_.FileStep();
    }
}

void TLoadNarration::ReadImport(const std::map<int, std::string>& texts,
                                const std::function<QString(int year)>& yearLine, const QString& source,
                                const QStringList& notes, const std::optional<std::vector<int>>& seasonYears)
{
    for (const auto& [year, text] : texts) {
        pane_.Line(yearLine(year));
        Report(view_.ReadYearText(QString::number(year) + QStringLiteral(".csv"),
                                  QByteArrayView(text.data(), qsizetype(text.size()))));
    }
    if (texts.empty() && !source.isEmpty())
        pane_.Line(source);
    // A note's arrow marks something the status line should point to.
    for (const QString& note : notes)
        note.startsWith(QStringLiteral("    ->")) ? pane_.Finding(note) : pane_.Line(note);
    view_.SetSeasonYears(seasonYears);
}

int TLoadNarration::Finish()
{
    view_.FinishLoad();
    const int years = view_.DrawnYears().Count();
    if (years > MaxDrawnYears)
        pane_.Line(QCoreApplication::translate("TForm1",
                                               "%1 Jahre geladen: die letzten %2 werden gezeigt, die übrigen über die Legende.")
                       .arg(years)
                       .arg(MaxDrawnYears));
    return years;
}
