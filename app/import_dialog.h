#pragma once

#include "app/import/column_mapping.h"
#include "app/import/workout.h"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QListWidget;
class TExportFile;

// The import dialog: the service found, the years and sports of the export
// with their workout counts (checkboxes), and the column that feeds each
// quantity. Built in code like the main window.
class TImportDialog : public QDialog
{
public:
    TImportDialog(const TExportFile& file, const TColumnMapping& mapping, QWidget* parent = nullptr);

    TColumnMapping Mapping() const;
    QStringList ChosenSports() const;
    QList<int> ChosenYears() const;

    QListWidget* YearList() const { return years_; }
    QListWidget* SportList() const { return sports_; }

private:
    QComboBox* ColumnBox(int selected);
    void RereadWorkouts();
    void FillYears();

    const TExportFile& file_;
    TColumnMapping mapping_;
    std::vector<TWorkout> workouts_;
    QComboBox* dateBox_ = nullptr;
    QComboBox* sportBox_ = nullptr;
    std::array<QComboBox*, QuantityCount> quantityBoxes_{};
    QListWidget* years_ = nullptr;
    QListWidget* sports_ = nullptr;
};
