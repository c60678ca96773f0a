// Year files dropped on the window load as if chosen with the load button.
#include "app/window/main_form.h"

#include "app/window/dropped_items.h"
#include "app/view/handler_guard.h"
#include "chart/panel/chart.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>

void TForm1::EnableFileDrops()
{
    setAcceptDrops(true);
    // The pane and the lists' text fields would take a drop themselves (as
    // text); the window takes it for all of them.
    memo_->setAcceptDrops(false);
    for (QComboBox* box : {cbWahl_, cbKum_, cbArt_})
        box->lineEdit()->setAcceptDrops(false);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    // Whatever comes is taken: what is no file is named in the pane on the drop.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TForm1::dropEvent(QDropEvent* event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
    GuardHandler([&] { LoadDropped(TDroppedItems::Classify(*event->mimeData())); });
}

void TForm1::LoadDropped(const TDroppedItems& items)
{
    if (items.files.isEmpty()) {
        // Nothing to load: the loaded years and their chart stay.
        for (const QString& line : items.rejectedLines)
            AppendMemoLine(line);
        return;
    }
    LoadOrImport(items.files, items.rejectedLines);
}
