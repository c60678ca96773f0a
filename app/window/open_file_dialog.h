#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The multi-select open-file dialog of the load button, behind an interface
// so that tests can answer it without a window.
class TOpenFileDialog
{
public:
    virtual ~TOpenFileDialog() = default;

    // Shows the dialog with the file name preset; returns the full paths of
    // the chosen files in the dialog's order, or nothing when cancelled.
    virtual std::optional<QStringList> Execute(QWidget* parent, const QString& fileName) = 0;

    // The folder the next Execute opens in; empty: the system's choice.
    const QString& StartFolder() const { return startFolder_; }
    void SetStartFolder(const QString& folder) { startFolder_ = folder; }

    // Whether a folder may be chosen too (an unpacked export, a folder of
    // FIT files): a folder selected or typed without a final '/' is chosen,
    // a double click or a typed final '/' still opens it.
    bool AcceptsFolders() const { return acceptsFolders_; }
    void SetAcceptsFolders(bool accepts) { acceptsFolders_ = accepts; }

private:
    QString startFolder_;
    bool acceptsFolders_ = false;
};

class TQtOpenFileDialog : public TOpenFileDialog
{
public:
    std::optional<QStringList> Execute(QWidget* parent, const QString& fileName) override;
};
