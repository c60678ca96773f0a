#include "app/import/export_detection.h"

#include "app/import/export_file.h"
#include "app/import/import_sources.h"
#include "app/year/regular_file.h"

#include <string>

namespace ExportDetection {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A year file's data row: eight digits, then the field separator.
bool StartsLikeYearRow(std::string_view line)
{
    if (line.size() < 9 || line[8] != ';')
        return false;
    for (std::size_t i = 0; i < 8; ++i)
        if (!IsDigit(line[i]))
            return false;
    return true;
}

// Any line after the three header lines that starts like a year file's row
// (lines may end with LF, CRLF or a lone CR, as the loader accepts).
bool HasYearRows(std::string_view head)
{
    int line = 0;
    std::size_t start = 0;
    while (start < head.size()) {
        std::size_t end = head.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = head.size();
        if (++line > 3 && StartsLikeYearRow(head.substr(start, end - start)))
            return true;
        start = end + 1;
        if (end < head.size() && head[end] == '\r' && start < head.size() && head[start] == '\n')
            ++start;
    }
    return false;
}

} // namespace

QString ServiceOf(std::string_view head)
{
    if (HasYearRows(head))
        return {};
    try {
        const TExportFile file = TExportFile::FromBytes(std::string(head), QString());
        // Any CSV with a header passes the generic import: that alone says nothing.
        return file.IsGeneric() ? QString() : file.ServiceName();
    } catch (const TImportError&) {
        return {};
    }
}

QString ServiceOfFile(const QString& path)
{
    TOpenStatus status = TOpenStatus::Failed;
    const FilePtr file = OpenRegularFile(path, status);
    if (!file)
        return {};
    std::string head(HeadBytes, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), file.get()));
    // An account archive or a FIT file is no year file either.
    if (const QString kind = ImportSources::BinaryKind(head); !kind.isEmpty() && kind != ImportSources::JsonKind())
        return kind;
    // A year file's first row may be longer than the part read.
    if (HasYearRows(head))
        return {};
    // A cut line is left out, so that no character is cut in two either.
    if (head.size() == std::size_t(HeadBytes))
        head.resize(head.rfind('\n') + 1); // npos + 1 is 0: no whole line at all
    return ServiceOf(head);
}

TLoadSplit TLoadSplit::Of(const QStringList& paths)
{
    TLoadSplit split;
    for (const QString& path : paths) {
        if (const QString service = ServiceOfFile(path); !service.isEmpty())
            split.exports.push_back({path, service});
        else
            split.yearFiles << path;
    }
    return split;
}

} // namespace ExportDetection
