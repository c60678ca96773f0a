#pragma once

#include <QString>
#include <QStringList>

// An editable list of texts, such as the items of a drop-down list. The
// loader fills the metric list through this, so it runs without widgets.
class TStringItems
{
public:
    virtual ~TStringItems() = default;

    virtual void Clear() = 0;
    virtual void Add(const QString& text) = 0;
    virtual int Count() const = 0;
    virtual QString At(int index) const = 0;
    virtual void Replace(int index, const QString& text) = 0;

    QStringList ToStringList() const;
    void Assign(const QStringList& texts);
};

// Plain in-memory list.
class TStringListItems : public TStringItems
{
public:
    void Clear() override { items_.clear(); }
    void Add(const QString& text) override { items_.append(text); }
    int Count() const override { return static_cast<int>(items_.size()); }
    QString At(int index) const override { return items_.at(index); }
    void Replace(int index, const QString& text) override { items_[index] = text; }

    const QStringList& Items() const { return items_; }

private:
    QStringList items_;
};
