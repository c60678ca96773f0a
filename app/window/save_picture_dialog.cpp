#include "app/window/save_picture_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>

std::optional<QString> TQtSavePictureDialog::Execute(QWidget* parent, const QString& suggestedName)
{
    QFileDialog dialog(parent, QCoreApplication::translate("TQtSavePictureDialog", "Diagramm speichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters{QCoreApplication::translate("TQtSavePictureDialog", "PNG-Bild (*.png)"),
                              QCoreApplication::translate("TQtSavePictureDialog", "SVG-Grafik (*.svg)"),
                              QCoreApplication::translate("TQtSavePictureDialog", "PDF-Dokument (*.pdf)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // The chosen filter gives a name without a suffix its format.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        static const QStringList suffixes{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter), QStringLiteral("png")));
    });
    if (!StartFolder().isEmpty())
        dialog.setDirectory(StartFolder());
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
