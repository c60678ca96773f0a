// Keys and tooltips of the main window, and its help window.
#include "app/window/main_form.h"

#include "app/view/handler_guard.h"
#include "app/window/help_window.h"
#include "chart/panel/chart.h"

#include <QComboBox>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

void TForm1::ConnectKeysAndDrops()
{
    CreateShortcuts();
    SetToolTips();
    EnableFileDrops();
}

void TForm1::CreateShortcuts()
{
    // Window-wide, so they work whichever control has the focus.
    const auto bind = [this](QKeySequence keys, void (TForm1::*handler)()) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, handler] { GuardHandler([&] { (this->*handler)(); }); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::LOAD_JDataClick);
    bind(QKeySequence(Qt::Key_Escape), &TForm1::EscapePressed);
    bind(QKeySequence(Qt::Key_F1), &TForm1::ShowHelp);
}

void TForm1::SetToolTips()
{
    loadButton_->setToolTip(tr("Jahresdateien laden (Strg+O).\n"
                                           "Dateien lassen sich auch aus dem Dateimanager ins Fenster ziehen."));
    cbWahl_->setToolTip(tr("Messgröße der Auswertung: eine Spalte der Jahresdateien.\n"
                                       "Tab: nächste Liste, F1: Hilfe"));
    cbArt_->setToolTip(tr("Art der Auswertung.\n"
                                      "Esc: Zoom des Diagramms zurücknehmen, F1: Hilfe"));
    cbKum_->setToolTip(tr("Summe für die kumulierten Auswertungen.\n"
                                      "Tab: nächste Liste, F1: Hilfe"));
}

void TForm1::EscapePressed()
{
    if (lBox_->isVisible())
        ClosePickList();
    else
        UndoChartZoom();
}

void TForm1::UndoChartZoom()
{
    if (chart_->isVisible() && (chart_->Zoomed() || chart_->ScalesSaved()))
        chart_->UndoZoom();
}

void TForm1::ShowHelp()
{
    if (!helpWindow_)
        helpWindow_ = new THelpWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}
