#include "app/window/main_form.h"

#include "app/view/chart_picture.h"
#include "app/view/handler_guard.h"
#include "app/window/picture_exception.h"
#include "app/window/picture_shortcuts.h"
#include "chart/panel/chart.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <QTextEdit>

// The chart's picture commands: save, copy, print.

void TForm1::CreatePictureActions()
{
    saveDialog_ = std::make_unique<TQtSavePictureDialog>();
    printPreview_ = std::make_unique<TQtPrintPreview>();
    const struct
    {
        QString text;
        QKeySequence key;
        void (TForm1::*command)();
    } commands[] = {
        {PictureShortcuts::SaveText(), PictureShortcuts::Save(), &TForm1::SaveChartPicture},
        {PictureShortcuts::CopyText(), PictureShortcuts::Copy(), &TForm1::CopyChartPicture},
        {PictureShortcuts::PrintText(), PictureShortcuts::Print(), &TForm1::PrintChart},
    };
    for (const auto& c : commands) {
        auto* action = new QAction(c.text, this);
        action->setShortcut(c.key);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(PictureShortcuts::WithKey(c.text, c.key));
        connect(action, &QAction::triggered, this, [this, command = c.command] {
            GuardHandler([this, command] { (this->*command)(); });
        });
        addAction(action);
    }
}

void TForm1::SetPictureDialogs(std::unique_ptr<TSavePictureDialog> save, std::unique_ptr<TPrintPreview> print)
{
    if (save)
        saveDialog_ = std::move(save);
    if (print)
        printPreview_ = std::move(print);
}

void TForm1::SaveChartPicture()
{
    if (!chart_->isVisible())
        return;
    saveDialog_->SetStartFolder(StartFolder(TDialogFolder::Picture));
    const auto path = saveDialog_->Execute(this, QStringLiteral("Kaldoro.png"));
    if (!path)
        return;
    RememberFolder(TDialogFolder::Picture, *path);
    if (!ChartPicture::Write(*chart_, *path).isEmpty())
        throw PictureException::NotSaved(*path);
}

void TForm1::CopyChartPicture()
{
    // The file pane's own copy, for a selection in it: the key is the same.
    if (memo_->hasFocus() && memo_->textCursor().hasSelection()) {
        memo_->copy();
        return;
    }
    if (!chart_->isVisible())
        return;
    QGuiApplication::clipboard()->setImage(ChartPicture::Image(*chart_, chart_->devicePixelRatio()));
}

void TForm1::PrintChart()
{
    if (!chart_->isVisible())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Kaldoro"));
    printPreview_->Execute(this, printer, [this](QPrinter& target) {
        GuardHandler([&] { ChartPicture::DrawOnPage(*chart_, target); });
    });
}
