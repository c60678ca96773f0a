#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

// The keys and texts of the chart's picture commands, kept in one place so
// that every control that offers a command names the same key.
namespace PictureShortcuts {

inline QKeySequence Save() { return QKeySequence(Qt::CTRL | Qt::Key_S); }
inline QKeySequence Copy() { return QKeySequence(Qt::CTRL | Qt::Key_C); }
inline QKeySequence Print() { return QKeySequence(Qt::CTRL | Qt::Key_P); }

inline QString SaveText() { return QCoreApplication::translate("PictureShortcuts", "Diagramm speichern"); }
inline QString CopyText() { return QCoreApplication::translate("PictureShortcuts", "Diagramm als Bild kopieren"); }
inline QString PrintText() { return QCoreApplication::translate("PictureShortcuts", "Diagramm drucken"); }

// "Strg+S": the key as the keyboard of the language names it.
inline QString KeyText(const QKeySequence& key)
{
    return key.toString(QKeySequence::PortableText).replace(QStringLiteral("Ctrl"), QCoreApplication::translate("PictureShortcuts", "Strg"));
}

// "Diagramm speichern (Strg+S)": a command with its key, as tooltips show it.
inline QString WithKey(const QString& text, const QKeySequence& key)
{
    return QStringLiteral("%1 (%2)").arg(text, KeyText(key));
}

} // namespace PictureShortcuts
