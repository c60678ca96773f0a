// The language of the window, chosen at the right end of the pane's status
// line and remembered for the next start: the texts already shown stay.
#include "app/window/main_form.h"

#include "app/view/handler_guard.h"
#include "app/window/ui_language.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr int ChoiceWidth = 90;

} // namespace

void TForm1::CreateLanguageChoice()
{
    languageBox_ = new QComboBox(this);
    languageBox_->setObjectName(QStringLiteral("CB_Language"));
    // Each language by its own name, whatever the language shown.
    languageBox_->addItem(QStringLiteral("Deutsch"), UiLanguage::Code(TUiLanguage::German));
    languageBox_->addItem(QStringLiteral("English"), UiLanguage::Code(TUiLanguage::English));
    languageBox_->setCurrentIndex(UiLanguage::Current() == TUiLanguage::German ? 0 : 1);
    languageBox_->setToolTip(tr("Sprache des Fensters, der Hilfe und der Zahlen (ab dem nächsten Start)"));
    connect(languageBox_, &QComboBox::activated, this, [this] { GuardHandler([this] { LanguageChosen(); }); });
}

void TForm1::LanguageChosen()
{
    const std::optional<TUiLanguage> language = UiLanguage::FromCode(languageBox_->currentData().toString());
    if (settings_)
        settings_->SetLanguage(language);
    if (language != UiLanguage::Current())
        SetPaneStatus(tr("Die Sprache wechselt beim nächsten Start von Kaldoro."), false);
}

void TForm1::PlaceLanguageChoice(int statusTop)
{
    const int right = width() - 7;
    paneStatus_->setGeometry(8, statusTop, right - ChoiceWidth - 8 - 8, PaneStatusHeight);
    languageBox_->setGeometry(right - ChoiceWidth, statusTop, ChoiceWidth, PaneStatusHeight);
}
