#include "app/window/open_file_dialog.h"

#include <QFileDialog>

std::optional<QStringList> TQtOpenFileDialog::Execute(QWidget* parent, const QString& fileName)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!StartFolder().isEmpty())
        dialog.setDirectory(StartFolder());
    // The preset name is a pattern such as "*.csv": offer it as the filter.
    dialog.setNameFilters({QStringLiteral("%1 (%1)").arg(fileName), QStringLiteral("Alle Dateien (*)")});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
}
