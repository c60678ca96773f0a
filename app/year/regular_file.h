#pragma once

#include <QString>

#include <cstdio>
#include <memory>

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

enum class TOpenStatus { Opened, NotRegular, Failed };

// Opens path for reading in binary mode when it names a regular file (or a
// link to one). Anything else is not opened at all: opening a pipe waits for
// a writer, and a device may act on being opened.
FilePtr OpenRegularFile(const QString& path, TOpenStatus& status);
