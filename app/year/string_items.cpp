#include "app/year/string_items.h"

QStringList TStringItems::ToStringList() const
{
    QStringList texts;
    for (int i = 0; i < Count(); ++i)
        texts.append(At(i));
    return texts;
}

void TStringItems::Assign(const QStringList& texts)
{
    Clear();
    for (const QString& text : texts)
        Add(text);
}
