#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <utility>
#include <vector>

// Writes the output files of one run, each whole or not at all, never onto
// one of the run's inputs. Stage() puts a file's bytes into a temporary file
// beside it, every write and the close checked; Commit() renames them all
// into place. Whatever fails before the commit (a refused target, a full
// disk) leaves no output of the run behind.
//
// A target that exists and is no regular file (a pipe, a device) or names
// an open descriptor (/dev/stdout) cannot be replaced: it is written into
// directly at the commit, as a shell's ">" would. "-" is standard output.
class TOutputWriter
{
public:
    static inline const QString StandardOutput = QStringLiteral("-");

    // inputs: the files the run reads.
    explicit TOutputWriter(const QStringList& inputs = {});
    ~TOutputWriter(); // removes what was staged and not committed
    TOutputWriter(const TOutputWriter&) = delete;
    TOutputWriter& operator=(const TOutputWriter&) = delete;

    // Each returns an error text naming the file, empty on success.
    QString Stage(const QString& path, const QByteArray& bytes);
    // Creates a folder for staged files; removed again, if still empty,
    // when the run is not committed.
    QString StageFolder(const QString& folder);
    QString Commit();

    // One file, staged and committed.
    static QString WriteFile(const QString& path, const QByteArray& bytes);

private:
    using TIdentity = std::pair<dev_t, ino_t>;

    struct TStaged
    {
        QString path;         // as the user named it
        QByteArray target;    // where it goes
        QByteArray temporary; // empty once renamed into place
        bool direct = false;  // written directly at the commit
        QByteArray bytes;     // kept only for those
    };

    QString StageTemporary(const QString& path, const QString& target, mode_t mode, const QByteArray& bytes);
    QString WriteDirectly(const TStaged& staged) const;
    void Discard();

    std::vector<TIdentity> inputs_;
    QStringList targets_; // staged so far, to refuse one named twice
    std::vector<TStaged> staged_;
    QStringList createdFolders_;
};
