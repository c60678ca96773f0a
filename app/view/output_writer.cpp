#include "app/view/output_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Failure(const QString& path, const QString& reason)
{
    if (path == TOutputWriter::StandardOutput)
        return QStringLiteral("cannot write to standard output: %1").arg(reason);
    return QStringLiteral("cannot write '%1': %2").arg(path, reason);
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// A short write or an interruption is not the end: only an error is.
bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// On the disk before it replaces the old file; a file system that cannot
// sync says so with EINVAL, which is no failure of the write.
bool Synced(int fd) { return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP; }

// /dev/stdout, /dev/fd/1 and /proc/self/fd/1 lead to a file someone else
// opened for us; replacing it would leave their descriptor on the old one.
bool NamesDescriptor(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    return absolute.startsWith(QStringLiteral("/dev/std")) || absolute.startsWith(QStringLiteral("/dev/fd/"))
        || absolute.startsWith(QStringLiteral("/proc/"));
}

// What a new file gets from open(2): everything the umask allows.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TOutputWriter::TOutputWriter(const QStringList& inputs)
{
    for (const QString& input : inputs) {
        struct stat info {};
        if (::stat(QFile::encodeName(input).constData(), &info) == 0)
            inputs_.emplace_back(info.st_dev, info.st_ino);
    }
}

TOutputWriter::~TOutputWriter() { Discard(); }

QString TOutputWriter::Stage(const QString& path, const QByteArray& bytes)
{
    if (path == StandardOutput) {
        staged_.push_back({path, {}, {}, true, bytes});
        return {};
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno != ENOENT)
            return Failure(path, SystemReason(errno));
        return StageTemporary(path, QFileInfo(path).absoluteFilePath(), NewFileMode(), bytes);
    }
    // Compared by identity: another name or a link to an input is still it.
    if (std::find(inputs_.begin(), inputs_.end(), TIdentity(info.st_dev, info.st_ino)) != inputs_.end())
        return Failure(path, QStringLiteral("it is one of the files read"));
    if (S_ISDIR(info.st_mode))
        return Failure(path, QStringLiteral("it is a folder"));
    // A file its owner made read-only is not replaced behind their back.
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return Failure(path, SystemReason(errno));
    if (S_ISREG(info.st_mode) && !NamesDescriptor(path))
        return StageTemporary(path, QFileInfo(path).canonicalFilePath(), info.st_mode & 07777, bytes);
    staged_.push_back({path, QFile::encodeName(path), {}, true, bytes});
    return {};
}

QString TOutputWriter::StageTemporary(const QString& path, const QString& target, mode_t mode,
                                      const QByteArray& bytes)
{
    if (targets_.contains(target))
        return Failure(path, QStringLiteral("it is named for two outputs"));
    const QFileInfo info(target);
    QByteArray temporary = QFile::encodeName(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return Failure(path, SystemReason(errno));
    targets_ << target;
    staged_.push_back({path, QFile::encodeName(target), temporary, false, {}});
    // Not every file system keeps modes; the bytes matter more.
    ::fchmod(fd, mode);
    bool written = WriteAll(fd, bytes) && Synced(fd);
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written)
        return {};
    ::unlink(temporary.constData());
    staged_.pop_back();
    return Failure(path, SystemReason(error));
}

QString TOutputWriter::StageFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    if (info.exists() || !QDir().mkpath(folder))
        return Failure(folder, QStringLiteral("cannot create this folder"));
    createdFolders_ << info.absoluteFilePath();
    return {};
}

QString TOutputWriter::Commit()
{
    for (TStaged& staged : staged_) {
        if (staged.direct)
            continue;
        if (::rename(staged.temporary.constData(), staged.target.constData()) != 0)
            return Failure(staged.path, SystemReason(errno));
        staged.temporary.clear();
    }
    createdFolders_.clear();
    QString error;
    for (const TStaged& staged : staged_)
        if (staged.direct && error.isEmpty())
            error = WriteDirectly(staged);
    staged_.clear();
    return error;
}

QString TOutputWriter::WriteDirectly(const TStaged& staged) const
{
    if (staged.path == StandardOutput) {
        // Whatever the program printed before comes first.
        std::fflush(stdout);
        return WriteAll(STDOUT_FILENO, staged.bytes) ? QString() : Failure(staged.path, SystemReason(errno));
    }
    const int fd = ::open(staged.target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return Failure(staged.path, SystemReason(errno));
    bool written = WriteAll(fd, staged.bytes);
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    return written ? QString() : Failure(staged.path, SystemReason(error));
}

void TOutputWriter::Discard()
{
    for (const TStaged& staged : staged_)
        if (!staged.temporary.isEmpty())
            ::unlink(staged.temporary.constData());
    staged_.clear();
    for (const QString& folder : createdFolders_)
        QDir().rmdir(folder);
    createdFolders_.clear();
}

QString TOutputWriter::WriteFile(const QString& path, const QByteArray& bytes)
{
    TOutputWriter writer;
    const QString error = writer.Stage(path, bytes);
    return error.isEmpty() ? writer.Commit() : error;
}
