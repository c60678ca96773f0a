#include "app/import/csv_reader.h"

#include <QByteArrayView>
#include <QString>

#include <csv.h>

#include <array>
#include <stdexcept>

namespace CsvReader {
namespace {

bool IsUtf8(std::string_view field) { return QByteArrayView(field.data(), qsizetype(field.size())).isValidUtf8(); }

std::string Decoded(std::string_view field, int& latin1Fields)
{
    if (IsUtf8(field))
        return std::string(field);
    ++latin1Fields;
    return QString::fromLatin1(field.data(), qsizetype(field.size())).toStdString();
}

// The library's parser state, freed with the object.
class TParser
{
public:
    TParser()
    {
        if (csv_init(&parser_, 0) != 0)
            throw std::bad_alloc();
    }
    ~TParser() { csv_free(&parser_); }
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;
    csv_parser* Get() { return &parser_; }

private:
    csv_parser parser_{};
};

// What the library's callbacks fill while one text is read.
class TRowCollector
{
public:
    TRowCollector(std::string_view text, TCsvTable& table) : text_(text), table_(table) {}

    void Field(const char* bytes, std::size_t length)
    {
        if (row_.FieldCount() < MaxFields)
            row_.AddField(std::string_view(bytes ? bytes : "", bytes ? length : 0));
    }

    // Fields are decoded one by one, once a row is kept: a stray byte that
    // is no UTF-8 costs only its own field, which is read as Latin-1.
    void Keep(const TCsvRow& row, int line)
    {
        bool utf8 = true;
        for (int i = 0; i < row.FieldCount() && utf8; ++i)
            utf8 = IsUtf8(row.Field(i));
        if (utf8) {
            table_.rows.push_back(row);
        } else {
            TCsvRow decoded;
            for (int i = 0; i < row.FieldCount(); ++i)
                decoded.AddField(Decoded(row.Field(i), table_.latin1Fields));
            table_.rows.push_back(std::move(decoded));
        }
        table_.lineOfRow.push_back(line);
    }

    void EndRow()
    {
        const std::string_view raw = text_.substr(rowStart_, chunkEnd_ - rowStart_);
        if (!headerRead_) {
            for (int i = 0; i < row_.FieldCount(); ++i)
                table_.header.push_back(Decoded(row_.Field(i), table_.latin1Fields));
            headerRead_ = true;
        } else if (Fits(row_)) {
            Keep(row_, rowStartLine_);
        } else {
            Recover(raw);
        }
        row_.Clear();
        rowStart_ = chunkEnd_;
        rowStartLine_ = chunkLine_ + 1;
    }

    // Called before each physical line is fed to the parser.
    void BeginChunk(std::size_t chunkEnd, int line)
    {
        chunkEnd_ = chunkEnd;
        chunkLine_ = line;
    }

private:
    // A row fits when it has the header's fields; surplus empty fields (a
    // delimiter at the end of the line) are dropped.
    bool Fits(TCsvRow& row) const
    {
        const int wanted = static_cast<int>(table_.header.size());
        if (row.FieldCount() == wanted)
            return true;
        if (row.FieldCount() < wanted)
            return false;
        for (int i = wanted; i < row.FieldCount(); ++i)
            if (!row.Field(i).empty())
                return false;
        TCsvRow cut;
        for (int i = 0; i < wanted; ++i)
            cut.AddField(row.Field(i));
        row = std::move(cut);
        return true;
    }

    // The row does not split into the header's fields. A stray quote that
    // joined lines swallowed delimiters: each line split on its own then has
    // more fields than the joined row, and the lines are read one by one. A
    // row that is just short (a line break in a quoted cell, or a header
    // with one more name) is kept as the library split it.
    void Recover(std::string_view raw)
    {
        const int wanted = static_cast<int>(table_.header.size());
        std::vector<std::pair<TCsvRow, int>> lines;
        bool quoteSwallowed = true;
        int line = rowStartLine_;
        for (std::size_t start = 0; start < raw.size(); ++line) {
            std::size_t end = raw.find('\n', start);
            if (end == std::string_view::npos)
                end = raw.size();
            std::string_view physical = raw.substr(start, end - start);
            if (!physical.empty() && physical.back() == '\r')
                physical.remove_suffix(1);
            start = end + 1;
            if (physical.empty())
                continue;
            TCsvRow row;
            for (const std::string& field : SplitLenient(physical, table_.delimiter))
                if (row.FieldCount() < MaxFields)
                    row.AddField(field);
            quoteSwallowed = quoteSwallowed && row.FieldCount() > row_.FieldCount();
            lines.emplace_back(std::move(row), line);
        }
        if (row_.FieldCount() < wanted && (!quoteSwallowed || lines.empty())) {
            Keep(row_, rowStartLine_);
            return;
        }
        for (auto& [row, number] : lines) {
            if (Fits(row) || row.FieldCount() < wanted) {
                Keep(row, number);
                ++table_.recoveredRows;
            } else {
                ++table_.unreadableRows;
            }
        }
    }

    std::string_view text_;
    TCsvTable& table_;
    TCsvRow row_;
    bool headerRead_ = false;
    std::size_t rowStart_ = 0;
    std::size_t chunkEnd_ = 0;
    int rowStartLine_ = 1;
    int chunkLine_ = 1;
};

void OnField(void* bytes, std::size_t length, void* data)
{
    static_cast<TRowCollector*>(data)->Field(static_cast<const char*>(bytes), length);
}

void OnRowEnd(int, void* data) { static_cast<TRowCollector*>(data)->EndRow(); }

std::string_view FirstLine(std::string_view text)
{
    const std::size_t end = text.find('\n');
    return end == std::string_view::npos ? text : text.substr(0, end);
}

} // namespace

char DetectDelimiter(std::string_view headerLine)
{
    constexpr std::array<char, 3> candidates = {',', ';', '\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"')
            quoted = !quoted;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (!quoted && c == candidates[i])
                ++counts[i];
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

std::vector<std::string> SplitLenient(std::string_view line, char delimiter)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    const std::size_t n = line.size();
    const auto closesAt = [&](std::size_t pos) { return pos >= n || line[pos] == delimiter; };
    for (;;) {
        std::string field;
        if (i < n && line[i] == '"') {
            for (++i; i < n; ++i) {
                if (line[i] != '"') {
                    field += line[i];
                } else if (closesAt(i + 1)) {
                    ++i;
                    break;
                } else if (line[i + 1] == '"' && !closesAt(i + 2)) {
                    field += '"'; // an escaped quote
                    ++i;
                } else {
                    field += '"'; // a stray quote, kept as text
                }
            }
        }
        for (; i < n && line[i] != delimiter; ++i)
            field += line[i];
        fields.push_back(std::move(field));
        if (i >= n || static_cast<int>(fields.size()) > MaxFields)
            return fields;
        ++i; // the delimiter
    }
}

TCsvTable Read(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    TCsvTable table;
    table.delimiter = DetectDelimiter(FirstLine(text));

    TParser parser;
    csv_set_delim(parser.Get(), static_cast<unsigned char>(table.delimiter));
    TRowCollector collector(text, table);
    std::size_t start = 0;
    int line = 1;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        collector.BeginChunk(end, line);
        if (csv_parse(parser.Get(), text.data() + start, end - start, OnField, OnRowEnd, &collector) != end - start)
            throw std::bad_alloc(); // the library fails only when out of memory here
        start = end;
        ++line;
    }
    csv_fini(parser.Get(), OnField, OnRowEnd, &collector);
    return table;
}

} // namespace CsvReader
