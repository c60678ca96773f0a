// The main window's import of a workout export: the chosen years go through
// the ordinary loader as year files, so every evaluation works on them.
#include "app/main_form.h"

#include "app/import/export_file.h"
#include "app/import/imported_years.h"
#include "app/import_dialog.h"
#include "app/load_report.h"
#include "app/year_evaluation.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>

namespace {

bool WriteText(const QString& path, const std::string& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
        && file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

// Mappings of other CSV files are remembered per header: the same export
// from the same tool opens with the columns chosen last time.
QString SettingsKey(const TExportFile& file)
{
    const QByteArray header = file.ColumnNames().join(QLatin1Char('\n')).toUtf8();
    return QStringLiteral("import/") + QString::fromLatin1(QCryptographicHash::hash(header, QCryptographicHash::Sha1).toHex());
}

TColumnMapping RememberedMapping(const TExportFile& file)
{
    TColumnMapping mapping = file.DefaultMapping();
    const QList<QVariant> columns = QSettings().value(SettingsKey(file)).toList();
    if (!file.IsGeneric() || columns.size() != QuantityCount + 2)
        return mapping;
    const int count = static_cast<int>(file.Table().header.size());
    const auto column = [&](int i) { return std::clamp(columns[i].toInt(), -1, count - 1); };
    mapping.dateColumn = column(0);
    mapping.sportColumn = column(1);
    for (int q = 0; q < QuantityCount; ++q) {
        const int c = column(q + 2);
        const auto& name = c < 0 ? std::string() : file.Table().header[std::size_t(c)];
        mapping.quantities[std::size_t(q)] = {c, ColumnNames::GuessScale(static_cast<TQuantity>(q), name)};
    }
    return mapping;
}

void RememberMapping(const TExportFile& file, const TColumnMapping& mapping)
{
    if (!file.IsGeneric())
        return;
    QList<QVariant> columns = {mapping.dateColumn, mapping.sportColumn};
    for (const TColumnChoice& choice : mapping.quantities)
        columns << choice.column;
    QSettings().setValue(SettingsKey(file), columns);
}

} // namespace

void TForm1::IMPORT_ExportClick()
{
    const auto chosen = openDialog_->Execute(this, QStringLiteral("*.csv"));
    if (!chosen || chosen->isEmpty())
        return;
    const QString path = chosen->front();
    try {
        const TExportFile file = TExportFile::Open(path);
        TImportDialog dialog(file, RememberedMapping(file), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        RememberMapping(file, dialog.Mapping());
        LoadImportedYears(TImportedYears::Build(file, dialog.Mapping(), dialog.ChosenSports(), dialog.ChosenYears()));
    } catch (const TImportError& error) {
        PrepareLoad();
        AppendMemoLine(path);
        AppendMemoLine(QStringLiteral("    -> ") + error.Text() + QLatin1Char('.'));
    }
}

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
    FinishLoad();
}
