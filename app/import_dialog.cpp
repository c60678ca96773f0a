#include "app/import_dialog.h"

#include "app/guarded_handler.h"
#include "app/import/export_set.h"
#include "app/import/import_selection.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

void Check(QListWidgetItem* item, bool checked) { item->setCheckState(checked ? Qt::Checked : Qt::Unchecked); }

} // namespace

TImportDialog::TImportDialog(TExportSet& exports, QWidget* parent)
    : QDialog(parent), exports_(exports), mapping_(exports.Mapping(0))
{
    const TColumnMapping& mapping = mapping_;
    QStringList names;
    for (int i = 0; i < exports.Count(); ++i)
        names << QFileInfo(exports.File(i).Path()).fileName();
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("Export importieren"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("%1 – erkannt: %2").arg(names.join(QStringLiteral(", ")), exports.Service()), this));
    auto* lists = new QHBoxLayout;
    years_ = new QListWidget(this);
    years_->setObjectName(QStringLiteral("Years"));
    sports_ = new QListWidget(this);
    sports_->setObjectName(QStringLiteral("Sports"));
    lists->addWidget(years_);
    lists->addWidget(sports_);
    layout->addLayout(lists);

    auto* form = new QFormLayout;
    dateBox_ = ColumnBox(mapping.dateColumn);
    form->addRow(QStringLiteral("Datum"), dateBox_);
    sportBox_ = ColumnBox(mapping.sportColumn);
    form->addRow(QStringLiteral("Sportart"), sportBox_);
    for (int q = 0; q < QuantityCount; ++q) {
        quantityBoxes_[std::size_t(q)] = ColumnBox(mapping.quantities[std::size_t(q)].column);
        form->addRow(ColumnNames::QuantityTitle(static_cast<TQuantity>(q)), quantityBoxes_[std::size_t(q)]);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    RereadWorkouts();
    // Signal handlers: what they throw must not unwind through Qt.
    for (QComboBox* box : {dateBox_, sportBox_})
        connect(box, &QComboBox::currentIndexChanged, this,
                [this] { RunGuardedHandler([this] { RereadWorkouts(); }); });
    for (QComboBox* box : quantityBoxes_)
        connect(box, &QComboBox::currentIndexChanged, this,
                [this] { RunGuardedHandler([this] { mapping_ = Mapping(); }); });
    connect(sports_, &QListWidget::itemChanged, this, [this] { RunGuardedHandler([this] { FillYears(); }); });
}

QComboBox* TImportDialog::ColumnBox(int selected)
{
    auto* box = new QComboBox(this);
    box->addItem(QStringLiteral("—"));
    box->addItems(exports_.File(0).ColumnNames());
    box->setCurrentIndex(selected + 1);
    return box;
}

TColumnMapping TImportDialog::Mapping() const
{
    TColumnMapping mapping = mapping_;
    mapping.dateColumn = dateBox_->currentIndex() - 1;
    mapping.sportColumn = sportBox_->currentIndex() - 1;
    const auto& header = exports_.File(0).Table().header;
    for (int q = 0; q < QuantityCount; ++q) {
        const int column = quantityBoxes_[std::size_t(q)]->currentIndex() - 1;
        TColumnChoice& choice = mapping.quantities[std::size_t(q)];
        if (column != choice.column)
            choice = {column, column < 0 ? 1.0
                                         : ColumnNames::GuessScale(static_cast<TQuantity>(q), header[std::size_t(column)])};
    }
    return mapping;
}

// The sports and years depend on the date and sport columns.
void TImportDialog::RereadWorkouts()
{
    mapping_ = Mapping();
    exports_.SetFirstMapping(mapping_);
    workouts_ = exports_.Read().workouts;
    const QSignalBlocker blocker(sports_);
    sports_->clear();
    const QStringList chosen = ImportSelection::DefaultSports(workouts_);
    for (const auto& [sport, count] : ImportSelection::SportCounts(workouts_)) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(sport).arg(count), sports_);
        item->setData(Qt::UserRole, sport);
        Check(item, chosen.contains(sport));
    }
    FillYears();
}

void TImportDialog::FillYears()
{
    const QList<int> chosen = ImportSelection::DefaultYears(workouts_, ChosenSports());
    years_->clear();
    for (const auto& [year, count] : ImportSelection::YearCounts(workouts_, ChosenSports())) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(year).arg(count), years_);
        item->setData(Qt::UserRole, year);
        Check(item, chosen.contains(year));
    }
}

QStringList TImportDialog::ChosenSports() const
{
    QStringList sports;
    for (int i = 0; i < sports_->count(); ++i)
        if (sports_->item(i)->checkState() == Qt::Checked)
            sports << sports_->item(i)->data(Qt::UserRole).toString();
    return sports;
}

QList<int> TImportDialog::ChosenYears() const
{
    QList<int> years;
    for (int i = 0; i < years_->count(); ++i)
        if (years_->item(i)->checkState() == Qt::Checked)
            years << years_->item(i)->data(Qt::UserRole).toInt();
    return years;
}
