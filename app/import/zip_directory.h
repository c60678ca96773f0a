#pragma once

#include <functional>
#include <map>
#include <string>

// The compressed size of each member as a ZIP's central directory states it
// (ZIP64 included), for the bomb check: libarchive does not tell it. Empty
// when the archive has no readable directory (a truncated one).
namespace ZipDirectory {

// Reads size bytes at offset, fewer at the end.
using TReadAt = std::function<std::string(long long offset, long long size)>;

std::map<std::string, long long> CompressedSizes(long long archiveSize, const TReadAt& readAt);

} // namespace ZipDirectory
