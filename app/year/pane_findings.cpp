#include "app/year/pane_findings.h"

QStringList CountedFindingParts(std::span<const TCountedFinding> findings)
{
    QStringList parts;
    for (const TCountedFinding& finding : findings)
        if (finding.count > 0)
            parts << QStringLiteral("%1 %2%3")
                         .arg(finding.count)
                         .arg(QString::fromUtf8(finding.count == 1 ? finding.singular : finding.plural),
                              QString::fromUtf8(finding.text));
    return parts;
}

QString PaneFindingLine(const QStringList& parts)
{
    if (parts.isEmpty())
        return {};
    return QStringLiteral("    -> ") + parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}
