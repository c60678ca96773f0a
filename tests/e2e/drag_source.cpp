// The other end of a real drag and drop for the end-to-end scripts: a small
// window that, like a file manager, starts a drag of the files named on its
// command line (or of a text: --text TEXT) when a mouse button is pressed in
// it. Prints the action the drop target took; exit code 0 when a target took
// the drop, 1 when it was refused or went nowhere.
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
        QDrag drag(this);
        drag.setMimeData(data.release()); // the drag owns its data
        const Qt::DropAction action = drag.exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
        std::printf("%s\n", action == Qt::CopyAction ? "copy" : action == Qt::MoveAction ? "move" : "ignored");
        std::fflush(stdout);
        QCoreApplication::exit(action == Qt::IgnoreAction ? 1 : 0);
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
