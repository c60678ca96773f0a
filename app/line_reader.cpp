#include "app/line_reader.h"

#include <cstring>

namespace {
constexpr std::size_t BlockSize = 64 * 1024;
}

TLineReader::TLineReader(std::FILE* file, std::size_t maxLineLength)
    : file_(file), maxLineLength_(maxLineLength), buffer_(std::make_unique_for_overwrite<char[]>(BlockSize))
{
}

bool TLineReader::Refill()
{
    if (eof_)
        return false;
    begin_ = 0;
    end_ = std::fread(buffer_.get(), 1, BlockSize, file_);
    if (end_ == 0)
        eof_ = true;
    return end_ > 0;
}

TLineReader::TStatus TLineReader::ReadLine(std::string& line)
{
    if (begin_ == end_ && !Refill())
        return TStatus::End;

    // Something is available, so a line (possibly empty of kept bytes) results.
    line.clear();
    bool tooLong = false;
    for (;;) {
        const char* start = buffer_.get() + begin_;
        const std::size_t available = end_ - begin_;
        const void* feed = std::memchr(start, '\n', available);
        const std::size_t take = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) + 1
                                      : available;
        if (!tooLong) {
            if (line.size() + take > maxLineLength_) {
                tooLong = true;
                std::string().swap(line);
            } else {
                line.append(start, take);
            }
        }
        begin_ += take;
        position_ += static_cast<std::int64_t>(take);
        if (feed || (begin_ == end_ && !Refill()))
            break;
    }
    return tooLong ? TStatus::TooLong : TStatus::Line;
}
