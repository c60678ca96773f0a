#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The print preview of the chart, behind an interface so that tests can
// print without a window (into a PDF printer).
class TPrintPreview
{
public:
    virtual ~TPrintPreview() = default;

    // Shows the preview of `printer`'s pages, painted by `paint`, and prints
    // them on the user's request. `paint` is called for every page request
    // of the preview and for the print itself.
    virtual void Execute(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

class TQtPrintPreview : public TPrintPreview
{
public:
    void Execute(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};
