#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <memory>

// Reads a file line by line through a block buffer. A line runs up to and
// including its line feed, or its carriage return where no line feed follows
// (old Mac files), or to the end of the file; line-end bytes stay part of
// the line. Lines longer than the cap are consumed whole but their
// bytes are not kept, so junk without line feeds cannot exhaust memory.
class TLineReader
{
public:
    enum class TStatus { Line, TooLong, End };

    static constexpr std::size_t DefaultMaxLineLength = 1024 * 1024;

    explicit TLineReader(std::FILE* file, std::size_t maxLineLength = DefaultMaxLineLength);

    // Reads the next line into line. At the end of the file (or on a read
    // error) nothing is read and line keeps its content. For a line over the
    // cap line becomes empty.
    TStatus ReadLine(std::string& line);

    // Bytes consumed so far: the position after the last line read.
    std::int64_t Position() const { return position_; }

private:
    struct TLineEnd
    {
        std::size_t length;    // bytes of the line in the block
        bool complete;         // the line ends there
        bool returnAtBlockEnd; // ends in a carriage return, the block's last byte
    };

    static TLineEnd FindLineEnd(const char* text, std::size_t available);
    void Take(std::size_t count, std::string& line, bool& tooLong);
    bool Refill();

    std::FILE* file_;
    std::size_t maxLineLength_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::int64_t position_ = 0;
    bool eof_ = false;
};
