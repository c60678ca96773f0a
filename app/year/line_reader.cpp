#include "app/year/line_reader.h"

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

// Where the line that starts at text ends within the available bytes: past
// its line feed, past a carriage return that no line feed follows, or, with
// neither, at the end of the bytes, where the line goes on in the next block.
TLineReader::TLineEnd TLineReader::FindLineEnd(const char* text, std::size_t available)
{
    const void* feed = std::memchr(text, '\n', available);
    const std::size_t feedAt = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - text) : available;
    const void* ret = std::memchr(text, '\r', feedAt);
    if (ret) {
        const std::size_t retAt = static_cast<std::size_t>(static_cast<const char*>(ret) - text);
        if (retAt + 1 == available)
            return {available, true, true}; // the next block may start with its line feed
        if (retAt + 1 != feedAt)
            return {retAt + 1, true, false};
    }
    if (feed)
        return {feedAt + 1, true, false};
    return {available, false, false};
}

void TLineReader::Take(std::size_t count, std::string& line, bool& tooLong)
{
    if (!tooLong) {
        if (line.size() + count > maxLineLength_) {
            tooLong = true;
            std::string().swap(line);
        } else {
            line.append(buffer_.get() + begin_, count);
        }
    }
    begin_ += count;
    position_ += static_cast<std::int64_t>(count);
}

TLineReader::TStatus TLineReader::ReadLine(std::string& line)
{
    if (begin_ == end_ && !Refill())
        return TStatus::End;

    // Something is available, so a line (possibly empty of kept bytes) results.
    line.clear();
    bool tooLong = false;
    for (;;) {
        const TLineEnd lineEnd = FindLineEnd(buffer_.get() + begin_, end_ - begin_);
        Take(lineEnd.length, line, tooLong);
        if (lineEnd.returnAtBlockEnd) {
            if ((begin_ < end_ || Refill()) && buffer_[begin_] == '\n')
                Take(1, line, tooLong);
            break;
        }
        if (lineEnd.complete || (begin_ == end_ && !Refill()))
            break;
    }
    return tooLong ? TStatus::TooLong : TStatus::Line;
}
