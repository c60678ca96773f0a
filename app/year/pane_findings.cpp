#include "app/year/pane_findings.h"

#include <QCoreApplication>

QStringList CountedFindingParts(std::span<const TCountedFinding> findings)
{
    QStringList parts;
    for (const TCountedFinding& finding : findings)
        if (finding.count > 0)
            parts << QStringLiteral("%1 %2%3")
                         .arg(finding.count)
                         .arg(QCoreApplication::translate("PaneFindings", finding.count == 1 ? finding.singular : finding.plural),
                              QCoreApplication::translate("PaneFindings", finding.text));
    return parts;
}

QString PaneFindingLine(const QStringList& parts)
{
    if (parts.isEmpty())
        return {};
    return QStringLiteral("    -> ") + parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}
