#pragma once

#include <QObject>

#include <functional>

class QListWidget;

// The mouse and keyboard of the year pick list. A click picks the row under
// the pointer (-1 where there is none), Return picks the current row, Space
// toggles it and leaves the list open, Esc closes it; so does a press
// anywhere else in the program, since a list left open over the chart would
// hide what the user turned to.
class TPickListInput : public QObject
{
public:
    struct THandlers
    {
        std::function<void(int row)> pick;   // toggle the row's year and close
        std::function<void(int row)> toggle; // toggle the row's year, stay open
        std::function<void()> close;
    };

    TPickListInput(QListWidget* list, THandlers handlers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(int key);
    bool IsInsideList(QObject* watched) const;

    QListWidget* list_;
    THandlers handlers_;
};
