#pragma once

#include <QString>

#include <optional>

class QWidget;

// The dialog that asks where to save the chart's picture, behind an
// interface so that tests can answer it without a window.
class TSavePictureDialog
{
public:
    virtual ~TSavePictureDialog() = default;

    // Shows the dialog with a suggested file name; returns the chosen path,
    // or nothing when cancelled. The suffix names the format (png, svg, pdf).
    virtual std::optional<QString> Execute(QWidget* parent, const QString& suggestedName) = 0;

    // The folder the next Execute opens in; empty: the system's choice.
    const QString& StartFolder() const { return startFolder_; }
    void SetStartFolder(const QString& folder) { startFolder_ = folder; }

private:
    QString startFolder_;
};

class TQtSavePictureDialog : public TSavePictureDialog
{
public:
    std::optional<QString> Execute(QWidget* parent, const QString& suggestedName) override;
};
