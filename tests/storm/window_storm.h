#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <map>
#include <random>
#include <vector>

class QComboBox;
class TForm1;
class TStormDialog;

// Random user input on the real main window: list changes, typed texts,
// presses, drags, wheel turns, legend and pick-list clicks, arrow keys,
// resizes and loads, each followed by the events it causes.
class TWindowStorm
{
public:
    TWindowStorm(TForm1& form, TStormDialog& dialog, std::mt19937& random);

    void Run(int events);

    // How many events of each kind were sent.
    const std::map<QString, int>& Counts() const { return counts_; }
    // How often the events had the effects a user would see: the storm
    // reaches the window's features, not only its edges.
    const std::map<QString, int>& Effects() const { return effects_; }

private:
    // What must be shown for an event of a kind to reach the window.
    enum class TNeeds { Nothing, Lists, Chart };
    struct TKind
    {
        const char* name;
        int weight;
        TNeeds needs;
        void (TWindowStorm::*send)();
    };
    static const std::vector<TKind>& Kinds();
    const TKind& Substitute(const TKind& kind) const;

    void ChangeList();
    void TypeText();
    void KeyOnList();
    void Press();
    void DoubleClick();
    void Drag();
    void Wheel();
    void Hover();
    void ClickLegend();
    void ClickPickList();
    void Resize();
    void Load();
    void Import();
    void Note(const char* effect, bool happened);

    // 0 … n - 1; 0 for an empty range.
    int Below(int n) { return n > 1 ? std::uniform_int_distribution<int>(0, n - 1)(random_) : 0; }
    QComboBox* VisibleList();
    QPoint ChartPoint();
    Qt::MouseButton Button();
    Qt::KeyboardModifiers Modifiers();

    TForm1& form_;
    TStormDialog& dialog_;
    std::mt19937& random_;
    std::map<QString, int> counts_;
    std::map<QString, int> effects_;
};
