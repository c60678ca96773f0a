#include "app/window/import_dialog.h"

#include "app/view/handler_guard.h"
#include "app/import/export_set.h"
#include "app/import/import_selection.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

QTreeWidget* CheckTree(const QString& heading, const QString& name, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderLabel(heading);
    // Room for a kind with several types without scrolling.
    tree->setMinimumHeight(260);
    return tree;
}

// A row "label (count)". A row with rows under it is checked when they all
// are, and checking it checks them all.
QTreeWidgetItem* Checkable(QTreeWidgetItem* item, const QString& label, int count)
{
    item->setText(0, QStringLiteral("%1 (%2)").arg(label).arg(count));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    return item;
}

QTreeWidgetItem* AddRow(QTreeWidgetItem* parent, const QString& label, int count)
{
    return Checkable(new QTreeWidgetItem(parent), label, count);
}

// A row that stands for one sport or year.
void AddChoice(QTreeWidgetItem* parent, const QString& label, int count, const QVariant& value, bool checked)
{
    QTreeWidgetItem* item = AddRow(parent, label, count);
    item->setData(0, Qt::UserRole, value);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

// "Alle" heads the list, with the count of every workout in it.
QTreeWidgetItem* AddAll(QTreeWidget* tree, int count)
{
    return Checkable(new QTreeWidgetItem(tree), QCoreApplication::translate("TImportDialog", "Alle"), count);
}

// The values of the checked sport or year rows.
QVariantList CheckedValues(QTreeWidget* tree)
{
    QVariantList values;
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::Checked); *it; ++it)
        if (const QVariant value = (*it)->data(0, Qt::UserRole); value.isValid())
            values << value;
    return values;
}

} // namespace

TImportDialog::TImportDialog(TExportSet& exports, QWidget* parent)
    : QDialog(parent), exports_(exports), mapping_(exports.Count() > 0 ? exports.Mapping(0) : TColumnMapping())
{
    const TColumnMapping& mapping = mapping_;
    const QStringList names = exports.Names();
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(tr("Export importieren"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("%1 – erkannt: %2").arg(names.join(QStringLiteral(", ")), exports.Service()), this));
    auto* lists = new QHBoxLayout;
    years_ = CheckTree(tr("Jahre"), QStringLiteral("Years"), this);
    sports_ = CheckTree(tr("Sportarten"), QStringLiteral("Sports"), this);
    lists->addWidget(years_);
    lists->addWidget(sports_);
    layout->addLayout(lists);

    // Summary pages and FIT files have no columns to choose.
    auto* columns = new QWidget(this);
    columns->setVisible(exports.Count() > 0);
    auto* form = new QFormLayout(columns);
    form->setContentsMargins(0, 0, 0, 0);
    dateBox_ = ColumnBox(mapping.dateColumn);
    form->addRow(tr("Datum"), dateBox_);
    sportBox_ = ColumnBox(mapping.sportColumn);
    form->addRow(tr("Sportart"), sportBox_);
    for (int q = 0; q < QuantityCount; ++q) {
        quantityBoxes_[std::size_t(q)] = ColumnBox(mapping.quantities[std::size_t(q)].column);
        form->addRow(ColumnNames::QuantityTitle(static_cast<TQuantity>(q)), quantityBoxes_[std::size_t(q)]);
    }
    layout->addWidget(columns);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    RereadWorkouts();
    // Signal handlers: what they throw must not unwind through Qt.
    for (QComboBox* box : {dateBox_, sportBox_})
        connect(box, &QComboBox::currentIndexChanged, this,
                [this] { GuardHandler([this] { RereadWorkouts(); }); });
    for (QComboBox* box : quantityBoxes_)
        connect(box, &QComboBox::currentIndexChanged, this,
                [this] { GuardHandler([this] { mapping_ = Mapping(); }); });
    // Checking a kind or "Alle" changes many rows: the years follow once.
    connect(sports_, &QTreeWidget::itemChanged, this, [this] {
        GuardHandler([this] {
            if (ChosenSports() != yearsShownFor_)
                FillYears();
        });
    });
}

QComboBox* TImportDialog::ColumnBox(int selected)
{
    auto* box = new QComboBox(this);
    box->addItem(QStringLiteral("—"));
    if (exports_.Count() > 0)
        box->addItems(exports_.File(0).ColumnNames());
    box->setCurrentIndex(selected + 1);
    return box;
}

TColumnMapping TImportDialog::Mapping() const
{
    TColumnMapping mapping = mapping_;
    if (exports_.Count() == 0)
        return mapping;
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
    FillSports();
    FillYears();
}

void TImportDialog::FillSports()
{
    const QSignalBlocker blocker(sports_);
    sports_->clear();
    const QStringList chosen = ImportSelection::DefaultSports(workouts_);
    if (workouts_.empty())
        return;
    QTreeWidgetItem* all = AddAll(sports_, int(workouts_.size()));
    for (const auto& kind : ImportSelection::KindCounts(workouts_)) {
        QTreeWidgetItem* group = AddRow(all, SportKinds::Title(kind.kind), kind.count);
        for (const auto& [sport, count] : kind.sports)
            AddChoice(group, sport, count, sport, chosen.contains(sport));
    }
    sports_->expandAll();
}

void TImportDialog::FillYears()
{
    yearsShownFor_ = ChosenSports();
    const QList<int> chosen = ImportSelection::DefaultYears(workouts_, yearsShownFor_);
    const auto counts = ImportSelection::YearCounts(workouts_, yearsShownFor_);
    years_->clear();
    if (counts.empty())
        return;
    int total = 0;
    for (const auto& [year, count] : counts)
        total += count;
    QTreeWidgetItem* all = AddAll(years_, total);
    for (const auto& [year, count] : counts)
        AddChoice(all, QString::number(year), count, year, chosen.contains(year));
    years_->expandAll();
}

QStringList TImportDialog::ChosenSports() const
{
    QStringList sports;
    for (const QVariant& sport : CheckedValues(sports_))
        sports << sport.toString();
    return sports;
}

QList<int> TImportDialog::ChosenYears() const
{
    QList<int> years;
    for (const QVariant& year : CheckedValues(years_))
        years << year.toInt();
    return years;
}
