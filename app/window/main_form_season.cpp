// The season start: a small list at the chart's top left, beside the goal
// field, with the common starts, and any other day typed into it.

#include "app/window/main_form.h"

#include "app/view/handler_guard.h"
#include "app/window/season_start_text.h"
#include "chart/panel/chart.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

QString OtherDay() { return QCoreApplication::translate("TForm1", "anderer Tag …"); }

} // namespace

void TForm1::CreateSeasonField()
{
    auto* label = new QLabel(tr("Saisonbeginn"), chart_);
    label->setObjectName(QStringLiteral("L_Saison"));
    label->setGeometry(126, 6, 74, 21);
    seasonBox_ = new QComboBox(chart_);
    seasonBox_->setObjectName(QStringLiteral("CB_Saison"));
    seasonBox_->setGeometry(202, 6, 112, 21);
    seasonBox_->setEditable(true);
    seasonBox_->setInsertPolicy(QComboBox::NoInsert);
    seasonBox_->addItems(SeasonStartText::CommonStarts() << OtherDay());
    seasonBox_->lineEdit()->setPlaceholderText(tr("TT.MM."));
    seasonBox_->setToolTip(tr("Tag, an dem jede Saison beginnt; ein anderer Tag als TT.MM., etwa 15.10. "
                              "(nicht 29.02.)"));
    connect(seasonBox_, &QComboBox::activated, this, [this](int index) {
        if (seasonBox_->itemText(index) == OtherDay()) {
            seasonBox_->clearEditText();
            seasonBox_->lineEdit()->setFocus();
            return;
        }
        GuardHandler([this] { SeasonEdited(); });
    });
    connect(seasonBox_->lineEdit(), &QLineEdit::editingFinished, this, [this] { GuardHandler([this] { SeasonEdited(); }); });
}

void TForm1::SeasonEdited()
{
    const QString typed = seasonBox_->currentText().trimmed();
    const std::optional<TSeasonStart> start = SeasonStartText::Parse(typed);
    if (!start) {
        if (!typed.isEmpty() && typed != OtherDay())
            SetPaneStatus(tr("Saisonbeginn „%1“ ist kein Tag jedes Jahres (TT.MM.): nicht übernommen")
                              .arg(typed),
                          true);
        ShowSeasonStart(view_->SeasonStart());
        return;
    }
    if (*start == view_->SeasonStart()) {
        ShowSeasonStart(*start);
        return;
    }
    if (settings_)
        settings_->SetSeasonStart(*start);
    ShowSeasonStart(*start);
}

void TForm1::ShowSeasonStart(const TSeasonStart& start)
{
    {
        const QSignalBlocker quiet(seasonBox_);
        seasonBox_->setEditText(SeasonStartText::Of(start));
    }
    if (start == view_->SeasonStart())
        return;
    view_->SetSeasonStart(start);
    // Other rows in the pick list: the remembered hidden years and the latest eight again.
    ApplyHiddenYears();
    if (chart_->isVisible() || DrawnYears().Count() > 0)
        CB_WahlChange();
}
