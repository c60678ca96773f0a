#include "app/import/zip_directory.h"

#include <algorithm>
#include <cstdint>

namespace ZipDirectory {
namespace {

constexpr long long EndRecordSize = 22;
constexpr long long MaxComment = 65535;
constexpr long long MaxDirectoryBytes = 256LL << 20;
constexpr std::uint32_t NoSize = 0xFFFFFFFF;

std::uint64_t Le(const std::string& b, std::size_t at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return value;
}

struct TDirectory
{
    long long offset = -1;
    long long size = 0;
};

// Where the central directory is: from the end record, or from the ZIP64
// record it points to when its fields are full.
TDirectory Locate(long long archiveSize, const TReadAt& readAt)
{
    const long long tailStart = std::max(0LL, archiveSize - EndRecordSize - MaxComment);
    const std::string tail = readAt(tailStart, archiveSize - tailStart);
    const std::size_t end = tail.size() < EndRecordSize ? std::string::npos : tail.rfind("PK\x05\x06");
    if (end == std::string::npos || tail.size() - end < EndRecordSize)
        return {};
    TDirectory directory{static_cast<long long>(Le(tail, end + 16, 4)), static_cast<long long>(Le(tail, end + 12, 4))};
    if (Le(tail, end + 16, 4) == NoSize && end >= 20 && tail.compare(end - 20, 4, "PK\x06\x07") == 0) {
        const std::string record = readAt(static_cast<long long>(Le(tail, end - 12, 8)), 56);
        if (record.size() == 56 && record.compare(0, 4, "PK\x06\x06") == 0)
            directory = {static_cast<long long>(Le(record, 48, 8)), static_cast<long long>(Le(record, 40, 8))};
    }
    if (directory.offset < 0 || directory.size > MaxDirectoryBytes || directory.offset + directory.size > archiveSize)
        return {};
    return directory;
}

// The ZIP64 extra field's compressed size, after the uncompressed one when
// that is full too.
long long Zip64Compressed(const std::string& extra, bool uncompressedFull)
{
    for (std::size_t at = 0; at + 4 <= extra.size();) {
        const auto id = Le(extra, at, 2);
        const auto size = Le(extra, at + 2, 2);
        const std::size_t field = at + 4 + (uncompressedFull ? 8 : 0);
        if (id == 0x0001 && field + 8 <= at + 4 + size && field + 8 <= extra.size())
            return static_cast<long long>(Le(extra, field, 8));
        at += 4 + size;
    }
    return -1;
}

} // namespace

std::map<std::string, long long> CompressedSizes(long long archiveSize, const TReadAt& readAt)
{
    std::map<std::string, long long> sizes;
    const TDirectory directory = Locate(archiveSize, readAt);
    if (directory.offset < 0)
        return sizes;
    const std::string b = readAt(directory.offset, directory.size);
    for (std::size_t at = 0; at + 46 <= b.size() && b.compare(at, 4, "PK\x01\x02") == 0;) {
        const std::size_t nameLength = Le(b, at + 28, 2);
        const std::size_t extraLength = Le(b, at + 30, 2);
        const std::size_t commentLength = Le(b, at + 32, 2);
        if (at + 46 + nameLength + extraLength > b.size())
            break;
        long long compressed = static_cast<long long>(Le(b, at + 20, 4));
        if (compressed == NoSize)
            compressed = Zip64Compressed(b.substr(at + 46 + nameLength, extraLength), Le(b, at + 24, 4) == NoSize);
        if (compressed >= 0)
            sizes[b.substr(at + 46, nameLength)] = compressed;
        at += 46 + nameLength + extraLength + commentLength;
    }
    return sizes;
}

} // namespace ZipDirectory
