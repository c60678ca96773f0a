#include "support/zip_builder.h"

#include <archive.h>
#include <archive_entry.h>

#include <stdexcept>

namespace ZipBuilder {
namespace {

la_ssize_t Append(archive*, void* out, const void* bytes, size_t size)
{
    static_cast<std::string*>(out)->append(static_cast<const char*>(bytes), size);
    return static_cast<la_ssize_t>(size);
}

std::string Write(const std::vector<TMember>& members, bool gzip, const char* passphrase)
{
    std::string out;
    archive* a = archive_write_new();
    if (gzip) {
        archive_write_add_filter_gzip(a);
        archive_write_set_format_raw(a);
    } else {
        archive_write_set_format_zip(a);
        if (*passphrase) {
            archive_write_set_options(a, "zip:encryption=zipcrypt");
            archive_write_set_passphrase(a, passphrase);
        }
    }
    archive_write_set_bytes_in_last_block(a, 1);
    if (archive_write_open(a, &out, nullptr, Append, nullptr) != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(a));
    for (const TMember& member : members) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, member.name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(member.bytes.size()));
        archive_write_header(a, entry);
        archive_write_data(a, member.bytes.data(), member.bytes.size());
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return out;
}

} // namespace

std::string Zip(const std::vector<TMember>& members, const char* passphrase) { return Write(members, false, passphrase); }

std::string Gzip(const std::string& bytes) { return Write({{"data", bytes}}, true, ""); }

} // namespace ZipBuilder
