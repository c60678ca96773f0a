// The other end of a real drag and drop for the end-to-end scripts: a small
// window that, like a file manager, starts a drag of the files named on its
// command line (or of a text: --text TEXT) when a mouse button is pressed in
// it. Prints the action the drop target took ("copy", "move" or "ignored")
// and keeps running: the target fetches the dropped data from this program
// after the drop, as from a file manager.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

class TDragSource : public QWidget
{
public:
    explicit TDragSource(QStringList arguments) : arguments_(std::move(arguments))
    {
        setWindowTitle(QStringLiteral("drag-source"));
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto data = std::make_unique<QMimeData>();
        if (arguments_.size() == 2 && arguments_.front() == QStringLiteral("--text")) {
            data->setText(arguments_.back());
        } else {
            QList<QUrl> urls;
            for (const QString& path : arguments_)
                urls << QUrl::fromLocalFile(path);
            data->setUrls(urls);
        }
        // Parented to the window: the drop target asks it for the data after
        // exec() has returned, so it must outlive this handler.
        auto* drag = new QDrag(this);
        drag->setMimeData(data.release()); // the drag owns its data
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
        std::printf("%s\n", action == Qt::CopyAction ? "copy" : action == Qt::MoveAction ? "move" : "ignored");
        std::fflush(stdout);
    }

private:
    QStringList arguments_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TDragSource source(app.arguments().mid(1));
    source.setGeometry(1100, 40, 160, 120);
    source.show();
    return app.exec();
}
