#include "app/window/ui_language.h"

#include "chart/axes/format_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace UiLanguage {
namespace {

// The translators stay installed as long as the application runs.
std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;
TUiLanguage current = TUiLanguage::German;

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// A translator loaded from file; none when the file is missing (Qt's own
// translations may not be installed: its dialogs then speak English).
std::unique_ptr<QTranslator> Loaded(const QString& file, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace

TUiLanguage FromSystem()
{
    const QStringList languages = QLocale::system().uiLanguages();
    const bool german = !languages.isEmpty() && QLocale(languages.front()).language() == QLocale::German;
    return german ? TUiLanguage::German : TUiLanguage::English;
}

std::optional<TUiLanguage> FromCode(const QString& code)
{
    if (code == QLatin1String("de"))
        return TUiLanguage::German;
    if (code == QLatin1String("en"))
        return TUiLanguage::English;
    return std::nullopt;
}

QString Code(TUiLanguage language)
{
    return language == TUiLanguage::German ? QStringLiteral("de") : QStringLiteral("en");
}

void Install(TUiLanguage language)
{
    Remove(ownTranslator);
    Remove(qtTranslator);
    current = language;
    const QString code = Code(language);
    // German needs no translation of Kaldoro's own texts: they are written in German.
    if (language == TUiLanguage::English)
        ownTranslator = Loaded(QStringLiteral("kaldoro_en"), QStringLiteral(":/i18n"));
    qtTranslator = Loaded(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool german = language == TUiLanguage::German;
    QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany)
                               : QLocale(QLocale::English, QLocale::UnitedStates));
    SetShownFormatSettings(german ? GermanFormatSettings() : PlainFormatSettings());
}

TUiLanguage Current() { return current; }

} // namespace UiLanguage
