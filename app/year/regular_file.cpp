#include "app/year/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FilePtr OpenRegularFile(const QString& path, TOpenStatus& status)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    status = TOpenStatus::Failed;
    if (::stat(name.constData(), &info) != 0)
        return nullptr;
    status = TOpenStatus::NotRegular;
    if (!S_ISREG(info.st_mode))
        return nullptr;
    // The name may have been replaced since: never wait on what it has
    // become, and look again at what was opened.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        status = TOpenStatus::Failed;
        return nullptr;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    FilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        status = TOpenStatus::Failed;
        return nullptr;
    }
    status = TOpenStatus::Opened;
    return file;
}
