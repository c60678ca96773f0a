// The goal of the running total: a small field at the chart's top left,
// shown while the running total is, with the goal of the total shown.

#include "app/window/main_form.h"

#include "app/view/handler_guard.h"

#include "app/year/year_evaluation.h"
#include "app/year/year_goal.h"
#include "chart/panel/chart.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void TForm1::CreateGoalField()
{
    goalLabel_ = new QLabel(tr("Ziel"), chart_);
    goalLabel_->setObjectName(QStringLiteral("L_Ziel"));
    goalLabel_->setGeometry(8, 6, 28, 21);
    goalEdit_ = new QLineEdit(chart_);
    goalEdit_->setObjectName(QStringLiteral("E_Ziel"));
    goalEdit_->setGeometry(38, 6, 80, 21);
    goalEdit_->setPlaceholderText(tr("kein Ziel"));
    goalEdit_->setToolTip(tr("Ziel des Jahres für die gezeigte Summe, etwa 5.000; leer: kein Ziel"));
    goalLabel_->hide();
    goalEdit_->hide();
    connect(goalEdit_, &QLineEdit::editingFinished, this, [this] { GuardHandler([this] { GoalEdited(); }); });
}

void TForm1::GoalEdited()
{
    const int total = cbKum_->currentIndex();
    if (total < 0 || total >= int(goals_.size()))
        return;
    const QString typed = goalEdit_->text().trimmed();
    const std::optional<double> goal = ParseYearGoal(typed);
    if (!typed.isEmpty() && !goal) {
        SetPaneStatus(tr("Ziel „%1“ ist keine Zahl über 0: nicht übernommen").arg(typed), true);
        return;
    }
    if (goal == goals_[std::size_t(total)])
        return;
    goals_[std::size_t(total)] = goal;
    if (settings_)
        settings_->SetGoal(total, goal);
    CB_WahlChange();
}

void TForm1::ApplyGoal()
{
    const int total = cbKum_->currentIndex();
    const bool runningTotal = cbArt_->currentIndex() == int(TEvalMode::Cumulative) && total >= 0
        && total < int(goals_.size());
    const std::optional<double> goal
        = runningTotal ? (goalForRun_ ? goalForRun_ : goals_[std::size_t(total)]) : std::nullopt;
    view_->SetGoal(goal);
    goalLabel_->setVisible(runningTotal);
    goalEdit_->setVisible(runningTotal);
    if (runningTotal && !goalEdit_->hasFocus())
        goalEdit_->setText(goal ? GoalText(*goal) : QString());
}
