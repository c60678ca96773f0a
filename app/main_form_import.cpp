// The main window's import of a workout export: the chosen years go through
// the ordinary loader as year files, so every evaluation works on them.
#include "app/main_form.h"

#include "app/import/imported_years.h"
#include "app/load_report.h"
#include "app/year_evaluation.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>

namespace {

bool WriteText(const QString& path, const std::string& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

} // namespace

void TForm1::LoadImportedYears(const TImportedYears& imported)
{
    PrepareLoad();
    // The loader reads files: the year texts live in a private folder for
    // the moment of the load; the store keeps what was read.
    const QTemporaryDir folder;
    for (const auto& [year, text] : imported.texts) {
        AppendMemoLine(imported.YearLine(year));
        const QString path = folder.filePath(QString::number(year) + QStringLiteral(".csv"));
        if (!folder.isValid() || !WriteText(path, text)) {
            AppendMemoLine(QStringLiteral("    -> Zwischendatei kann nicht geschrieben werden, übersprungen."));
            continue;
        }
        const TFileLoadReport report = loader_->ReadYearFile(path);
        if (const QString finding = DescribeLoadReport(report, TYearStore::LastYearSlot); !finding.isEmpty())
            AppendMemoLine(finding);
    }
    if (imported.texts.empty())
        AppendMemoLine(imported.source);
    for (const QString& note : imported.notes)
        AppendMemoLine(note);
    if (const int years = loader_->SlotsFilled(); years > TEvaluation::MaxYears)
        AppendMemoLine(QStringLiteral("Nur die ersten %1 der %2 Jahre werden im Diagramm gezeigt.")
                           .arg(TEvaluation::MaxYears)
                           .arg(years));
    cbWahl_->show();
    cbKum_->show();
    cbArt_->show();
}
