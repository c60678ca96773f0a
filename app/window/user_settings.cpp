#include "app/window/user_settings.h"

namespace UserSettings {

std::unique_ptr<QSettings> Open()
{
    return std::make_unique<QSettings>(QString::fromLatin1(Organisation), QString::fromLatin1(Application));
}

} // namespace UserSettings
