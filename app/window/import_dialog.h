#pragma once

#include "app/import/column_mapping.h"
#include "app/import/workout.h"

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QTreeWidget;
class TExportSet;

// The import dialog: the service found, the years and sports of the exports
// with their workout counts (checkboxes under "Alle"; the sports grouped by
// kind, running, cycling, …), and the column of the first export that feeds
// each quantity. Built in code like the main window.
class TImportDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(TImportDialog)

public:
    // The mapping chosen is set on exports whenever the date or sport column changes.
    explicit TImportDialog(TExportSet& exports, QWidget* parent = nullptr);

    // The first export's mapping.
    TColumnMapping Mapping() const;
    QStringList ChosenSports() const;
    QList<int> ChosenYears() const;

    QTreeWidget* YearList() const { return years_; }
    QTreeWidget* SportList() const { return sports_; }

private:
    QComboBox* ColumnBox(int selected);
    void RereadWorkouts();
    void FillSports();
    void FillYears();

    TExportSet& exports_;
    TColumnMapping mapping_;
    std::vector<TWorkout> workouts_;
    QComboBox* dateBox_ = nullptr;
    QComboBox* sportBox_ = nullptr;
    std::array<QComboBox*, QuantityCount> quantityBoxes_{};
    QTreeWidget* years_ = nullptr;
    QTreeWidget* sports_ = nullptr;
    QStringList yearsShownFor_; // the sports the year list counts
};
