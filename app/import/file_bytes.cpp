#include "app/import/file_bytes.h"

#include "app/year/regular_file.h"

#include <QCoreApplication>

#include <array>

namespace FileBytes {

std::optional<std::string> Read(const QString& path, QString& why)
{
    TOpenStatus status = TOpenStatus::Failed;
    const FilePtr file = OpenRegularFile(path, status);
    if (!file) {
        why = status == TOpenStatus::NotRegular ? QCoreApplication::translate("FileBytes", "keine reguläre Datei, nicht gelesen")
                                                : QCoreApplication::translate("FileBytes", "Datei kann nicht geöffnet werden, nicht gelesen");
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 1 << 16> block{};
    for (;;) {
        const std::size_t n = std::fread(block.data(), 1, block.size(), file.get());
        if (n == 0)
            break;
        if (static_cast<long long>(bytes.size() + n) > MaxBytes) {
            why = QCoreApplication::translate("FileBytes", "Datei größer als 1 GiB, nicht gelesen");
            return std::nullopt;
        }
        bytes.append(block.data(), n);
    }
    if (std::ferror(file.get())) {
        why = QCoreApplication::translate("FileBytes", "Datei kann nicht gelesen werden, nicht gelesen");
        return std::nullopt;
    }
    return bytes;
}

} // namespace FileBytes
