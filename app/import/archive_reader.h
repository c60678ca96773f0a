#pragma once

#include <QString>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct archive;

// Reads the members of a ZIP archive, or the one stream of a gzip file, from
// memory or from an open file, without writing anything to disk. Every read
// is capped: a member that inflates past MaxMemberBytes, or to more than
// MaxRatio times the compressed bytes it took, is refused as a bomb.
class TArchiveReader
{
public:
    static constexpr long long MaxMemberBytes = 1LL << 30;
    static constexpr long long MaxRatio = 1000;

    enum class TFormat { Zip, Gzip };
    enum class TStep { Member, End, Broken };

    // The bytes must outlive the reader.
    TArchiveReader(std::string_view bytes, TFormat format);
    // Reads the open file from its start; the file must outlive the reader.
    TArchiveReader(std::FILE* file, TFormat format);
    ~TArchiveReader();
    TArchiveReader(const TArchiveReader&) = delete;
    TArchiveReader& operator=(const TArchiveReader&) = delete;

    // The next member's header; Broken when the archive ends where it should
    // not (truncated or damaged): the members read so far stay valid.
    TStep Next();

    // Of the member Next found: its name, whether it is a plain file, and why
    // it must not be read (encrypted, a name with ".."), empty when it may.
    const QString& Name() const { return name_; }
    bool IsFile() const { return isFile_; }
    QString Refusal() const;

    // The member's bytes, or nothing with why set (a bomb, damaged data).
    std::optional<std::string> Read(QString& why);

    // The single stream of a gzip member, inflated under the same caps.
    static std::optional<std::string> Gunzip(std::string_view bytes, QString& why);

private:
    struct TSource;
    void Open(TFormat format);
    bool IsBomb(long long inflated) const;

    std::unique_ptr<TSource> source_;
    archive* archive_ = nullptr;
    QString name_;
    bool isFile_ = false;
    bool encrypted_ = false;
    long long offsetAtHeader_ = 0;
    std::map<std::string, long long> compressedSizes_; // by member name, from the central directory
    long long compressed_ = -1;                         // of the current member, -1 when unknown
    bool opened_ = false;
};
