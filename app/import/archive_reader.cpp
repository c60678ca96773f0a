#include "app/import/archive_reader.h"

#include "app/import/zip_directory.h"

#include <archive.h>
#include <archive_entry.h>

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// The bytes handed to libarchive at a time: also the slack of the bomb
// check, which only sees the compressed bytes a whole block at a time.
constexpr long long Block = 64 * 1024;

} // namespace

// Where libarchive's reads come from, and how far it has read: the
// compressed bytes a member took are the distance read past its header.
struct TArchiveReader::TSource
{
    std::string_view bytes;
    std::FILE* file = nullptr;
    long long offset = 0;
    std::array<char, Block> buffer{};

    long long Size() const
    {
        if (!file)
            return static_cast<long long>(bytes.size());
        ::fseeko(file, 0, SEEK_END);
        const long long size = ::ftello(file);
        std::rewind(file);
        return size;
    }

    // For the central directory, before libarchive reads.
    std::string ReadAt(long long at, long long n) const
    {
        if (!file)
            return std::string(bytes.substr(std::size_t(std::min<long long>(at, bytes.size())), std::size_t(n)));
        std::string read(std::size_t(n), '\0');
        read.resize(::fseeko(file, at, SEEK_SET) == 0 ? std::fread(read.data(), 1, read.size(), file) : 0);
        std::rewind(file);
        return read;
    }

    static la_ssize_t ReadBlock(archive* a, void* data, const void** block)
    {
        auto* source = static_cast<TSource*>(data);
        if (!source->file) {
            const long long left = std::max(0LL, static_cast<long long>(source->bytes.size()) - source->offset);
            const long long n = std::min(Block, left);
            *block = source->bytes.data() + source->offset;
            source->offset += n;
            return static_cast<la_ssize_t>(n);
        }
        const std::size_t n = std::fread(source->buffer.data(), 1, source->buffer.size(), source->file);
        if (n == 0 && std::ferror(source->file)) {
            archive_set_error(a, EIO, "read error");
            return -1;
        }
        *block = source->buffer.data();
        source->offset += static_cast<long long>(n);
        return static_cast<la_ssize_t>(n);
    }

    static la_int64_t Seek(archive*, void* data, la_int64_t offset, int whence)
    {
        auto* source = static_cast<TSource*>(data);
        if (source->file) {
            if (::fseeko(source->file, offset, whence) != 0)
                return ARCHIVE_FATAL;
            source->offset = ::ftello(source->file);
            return source->offset;
        }
        const long long size = static_cast<long long>(source->bytes.size());
        const long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? source->offset : size;
        if (base + offset < 0)
            return ARCHIVE_FATAL;
        source->offset = std::min(size, base + offset);
        return source->offset;
    }
};

TArchiveReader::TArchiveReader(std::string_view bytes, TFormat format) : source_(std::make_unique<TSource>())
{
    source_->bytes = bytes;
    Open(format);
}

TArchiveReader::TArchiveReader(std::FILE* file, TFormat format) : source_(std::make_unique<TSource>())
{
    source_->file = file;
    std::rewind(file);
    Open(format);
}

TArchiveReader::~TArchiveReader()
{
    if (archive_)
        archive_read_free(archive_);
}

void TArchiveReader::Open(TFormat format)
{
    archive_ = archive_read_new();
    if (!archive_)
        return;
    if (format == TFormat::Zip) {
        compressedSizes_ = ZipDirectory::CompressedSizes(source_->Size(), [this](long long at, long long n) {
            return source_->ReadAt(at, n);
        });
        archive_read_support_format_zip(archive_);
    } else {
        archive_read_support_filter_gzip(archive_);
        archive_read_support_format_raw(archive_);
    }
    archive_read_set_read_callback(archive_, &TSource::ReadBlock);
    archive_read_set_seek_callback(archive_, &TSource::Seek);
    archive_read_set_callback_data(archive_, source_.get());
    opened_ = archive_read_open1(archive_) == ARCHIVE_OK;
}

TArchiveReader::TStep TArchiveReader::Next()
{
    if (!opened_)
        return TStep::Broken;
    archive_entry* entry = nullptr;
    const int result = archive_read_next_header(archive_, &entry);
    if (result == ARCHIVE_EOF)
        return TStep::End;
    if (result < ARCHIVE_WARN || !entry) {
        opened_ = false;
        return TStep::Broken;
    }
    const char* utf8 = archive_entry_pathname_utf8(entry);
    const char* local = archive_entry_pathname(entry);
    name_ = utf8 ? QString::fromUtf8(utf8) : QString::fromLocal8Bit(local ? local : "");
    isFile_ = archive_entry_filetype(entry) == AE_IFREG || archive_entry_filetype(entry) == 0;
    encrypted_ = archive_entry_is_encrypted(entry);
    offsetAtHeader_ = source_->offset;
    const auto size = local ? compressedSizes_.find(local) : compressedSizes_.end();
    compressed_ = size != compressedSizes_.end() ? size->second : -1;
    return TStep::Member;
}

QString TArchiveReader::Refusal() const
{
    if (encrypted_)
        return QCoreApplication::translate("ArchiveReader", "verschlüsselt, nicht gelesen");
    const QStringList parts = QString(name_).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        return QCoreApplication::translate("ArchiveReader", "Pfad mit '..', nicht gelesen");
    return {};
}

bool TArchiveReader::IsBomb(long long inflated) const
{
    // Without the directory's size, the bytes read since the header, a
    // whole block more than the member may have taken.
    const long long compressed = compressed_ >= 0 ? std::max(compressed_, 1LL)
                                                  : source_->offset - offsetAtHeader_ + Block;
    return inflated > MaxMemberBytes || inflated > MaxRatio * compressed;
}

std::optional<std::string> TArchiveReader::Read(QString& why)
{
    std::string bytes;
    std::array<char, Block> block{};
    for (;;) {
        const la_ssize_t n = archive_read_data(archive_, block.data(), block.size());
        if (n == 0)
            return bytes;
        if (n < 0) {
            why = QCoreApplication::translate("ArchiveReader", "Daten beschädigt oder abgeschnitten, nicht gelesen");
            return std::nullopt;
        }
        bytes.append(block.data(), static_cast<std::size_t>(n));
        if (IsBomb(static_cast<long long>(bytes.size()))) {
            why = QCoreApplication::translate("ArchiveReader", "entpackt über 1 GiB oder über das 1000-Fache seiner Größe (ZIP-Bombe), nicht gelesen");
            return std::nullopt;
        }
    }
}

std::optional<std::string> TArchiveReader::Gunzip(std::string_view bytes, QString& why)
{
    TArchiveReader reader(bytes, TFormat::Gzip);
    if (reader.Next() != TStep::Member) {
        why = QCoreApplication::translate("ArchiveReader", "gzip-Daten beschädigt, nicht gelesen");
        return std::nullopt;
    }
    reader.compressed_ = static_cast<long long>(bytes.size());
    return reader.Read(why);
}
