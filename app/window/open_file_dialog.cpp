#include "app/window/open_file_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

namespace {

// Qt's own dialog, which may also choose folders: one selected in the list,
// or typed without a final '/', is chosen by Open; a double click, or a
// typed final '/' or "..", still goes into it.
class TFolderChoosingDialog : public QFileDialog
{
public:
    TFolderChoosingDialog(QWidget* parent, bool folders) : QFileDialog(parent), folders_(folders)
    {
        // The native dialogs cannot be told to choose a folder among files.
        setOption(QFileDialog::DontUseNativeDialog, folders);
    }

    QStringList Chosen() const { return folders_ && !chosen_.isEmpty() ? chosen_ : selectedFiles(); }

    void accept() override
    {
        const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text() : QString();
        const QStringList files = selectedFiles();
        const bool opens = typed.endsWith(QLatin1Char('/')) || typed == QStringLiteral("..");
        if (folders_ && !opens && !files.isEmpty()
            && std::all_of(files.begin(), files.end(), [](const QString& f) { return QFileInfo(f).isDir(); })) {
            chosen_ = files;
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }

private:
    bool folders_;
    QStringList chosen_;
};

} // namespace

std::optional<QStringList> TQtOpenFileDialog::Execute(QWidget* parent, const QString& fileName)
{
    TFolderChoosingDialog dialog(parent, AcceptsFolders());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (!StartFolder().isEmpty())
        dialog.setDirectory(StartFolder());
    // The preset name is a pattern such as "*.csv": offer it as the filter.
    dialog.setNameFilters({QStringLiteral("%1 (%1)").arg(fileName), QCoreApplication::translate("TQtOpenFileDialog", "Alle Dateien (*)")});
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}
