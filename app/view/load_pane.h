#pragma once

#include <QString>

// Where the lines about a load go: the window's file pane, or standard
// error in a run without a window.
class TLoadPane
{
public:
    virtual ~TLoadPane() = default;

    virtual void Line(const QString& text) = 0;
    // A line about a file that was not read as it stands: the window's
    // status line counts these.
    virtual void Finding(const QString& text) { Line(text); }
    // Before and after each year file is read: a window shows the pane's
    // progress through a long load.
    virtual void FileStep() {}
};
