#pragma once

#include <string>
#include <vector>

// ZIP and gzip bytes built in memory with libarchive, for the import tests.
namespace ZipBuilder {

struct TMember
{
    std::string name;
    std::string bytes;
};

// passphrase: every member encrypted with it (empty: none).
std::string Zip(const std::vector<TMember>& members, const char* passphrase = "");
std::string Gzip(const std::string& bytes);

} // namespace ZipBuilder
