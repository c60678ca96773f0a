#include "app/window/dropped_items.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

constexpr int ExcerptLength = 60;

void Reject(TDroppedItems& items, const QString& what, const QString& reason)
{
    items.rejectedLines << what << QStringLiteral("    -> ") + reason;
}

// The first line of a dropped text, short enough for one pane line.
QString Excerpt(const QString& text)
{
    QString line = text.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (line.size() > ExcerptLength)
        line = line.left(ExcerptLength) + QStringLiteral("...");
    return QLatin1Char('"') + line + QLatin1Char('"');
}

} // namespace

TDroppedItems TDroppedItems::Classify(const QMimeData& data)
{
    TDroppedItems items;
    if (data.hasUrls()) {
        for (const QUrl& url : data.urls()) {
            if (!url.isLocalFile()) {
                Reject(items, url.toDisplayString(), QCoreApplication::translate("TDroppedItems", "keine lokale Datei, nicht geladen."));
                continue;
            }
            const QFileInfo info(url.toLocalFile());
            if (info.isDir())
                Reject(items, info.absoluteFilePath(),
                       QCoreApplication::translate("TDroppedItems", "Ordner, nicht geladen: bitte die Jahresdateien selbst ziehen."));
            else
                items.files << info.absoluteFilePath();
        }
        if (items.files.isEmpty() && items.rejectedLines.isEmpty())
            Reject(items, QCoreApplication::translate("TDroppedItems", "Gezogene Daten"), QCoreApplication::translate("TDroppedItems", "keine Datei, nicht geladen."));
    } else if (data.hasText()) {
        Reject(items, Excerpt(data.text()), QCoreApplication::translate("TDroppedItems", "Text statt Datei, nicht geladen."));
    } else {
        Reject(items, QCoreApplication::translate("TDroppedItems", "Gezogene Daten"), QCoreApplication::translate("TDroppedItems", "keine Datei, nicht geladen."));
    }
    return items;
}
