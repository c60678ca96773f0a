#include "app/window/application.h"
#include "app/window/ui_language.h"
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

// Test discovery runs this binary at build time, possibly without a display, so
// fall back to the offscreen platform unless the caller chose one.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    TApplication app(argc, argv);
    // The tests read German texts and numbers, whatever the machine's language.
    UiLanguage::Install(TUiLanguage::German);
    // No message boxes in tests: the exception display is checked by replacing it.
    app.OnShowException = nullptr;
    // The import remembers column choices: never in the user's settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
