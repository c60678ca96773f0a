#pragma once

#include <QWidget>

class QTextBrowser;

// The short help of F1: the year file format, the mouse and the keys. A
// window of its own beside the main window, closed with Esc.
class THelpWindow : public QWidget
{
public:
    explicit THelpWindow(QWidget* parent);

    QString Text() const;

private:
    QTextBrowser* browser_ = nullptr; // owned by this window
};
