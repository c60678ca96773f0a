#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

// What a drop on the window brings: local files, loaded as if chosen in the
// open-file dialog, and everything else (folders, web addresses, text),
// which is only named in the file pane so the user sees why nothing loaded.
struct TDroppedItems
{
    QStringList files;         // absolute paths, in the order dropped
    QStringList rejectedLines; // file pane lines, two for each item not loaded

    static TDroppedItems Classify(const QMimeData& data);
};
