#pragma once

#include "app/year/string_items.h"

#include <QComboBox>
#include <QSignalBlocker>

// The items of a drop-down list as a TStringItems. Filling the list does not
// raise its change event, and the list's typed text is kept.
class TComboBoxItems : public TStringItems
{
public:
    explicit TComboBoxItems(QComboBox* box) : box_(box) {}

    void Clear() override { Guarded([&] { box_->clear(); }); }
    void Add(const QString& text) override { Guarded([&] { box_->addItem(text); }); }
    int Count() const override { return box_->count(); }
    QString At(int index) const override { return box_->itemText(index); }
    void Replace(int index, const QString& text) override { Guarded([&] { box_->setItemText(index, text); }); }

private:
    template <typename F>
    void Guarded(F&& change)
    {
        const QSignalBlocker blocker(box_);
        const QString text = box_->currentText();
        const int index = box_->currentIndex();
        change();
        if (box_->currentIndex() != index || box_->currentText() != text) {
            box_->setCurrentIndex(-1);
            box_->setEditText(text);
        }
    }

    QComboBox* box_;
};
