#include "app/window/print_preview.h"

#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

void TQtPrintPreview::Execute(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("TPrintPreview", "Druckvorschau"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}
