#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The accepted data rows of one file, handed out in ascending day order:
// hand-kept files and service exports list workouts in any order, but a day
// can only be folded from all of its rows together. Rows of the same day
// keep the order of the file, so a sorted file folds exactly as read.
class TDayOrderedRows
{
public:
    void Add(int day, std::string_view row);

    // Calls fold once per row, ascending by day. The row handed over is a
    // copy that fold may change.
    void ForEachInDayOrder(const std::function<void(int day, std::string& row)>& fold);

private:
    struct TRow
    {
        int day;
        std::size_t offset; // into bytes_
        std::size_t length;
    };

    std::string bytes_; // all rows back to back: one allocation instead of one per row
    std::vector<TRow> rows_;
    std::string row_;
};
