#pragma once

#include "app/window/open_file_dialog.h"

#include <random>

class TStormFiles;

// The load dialog of a storm: Cancel now and then, else a random set of
// good and bad files, in random order, repeats allowed.
class TStormDialog : public TOpenFileDialog
{
public:
    TStormDialog(const TStormFiles& files, std::mt19937& random) : files_(files), random_(random) {}

    std::optional<QStringList> Execute(QWidget* parent, const QString& fileName) override;

    // The next answer is one workout export (for the import button).
    void AnswerWithExport() { exportNext_ = true; }
    int Answers() const { return answers_; }

private:
    const TStormFiles& files_;
    std::mt19937& random_;
    bool exportNext_ = false;
    int answers_ = 0;
};
