#pragma once

#include <QString>

// What happened to one file of a load, for the file pane. Rows skipped
// because they carry no date (titles, trailer lines) are normal and not
// counted here.
struct TFileLoadReport
{
    enum class TOutcome {
        Read,          // read into a slot
        NotOpened,     // could not be opened
        NotRegular,    // a pipe, device, socket or folder: not opened
        BeyondLimit,   // the load already filled every slot
        NoDataRows,    // opened, but no row had a usable date
        Utf16,         // UTF-16 text: not read
    };

    TOutcome outcome = TOutcome::Read;
    int slot = 0;                  // slot filled, 0 when none
    int acceptedRows = 0;
    int rowsWithTooManyColumns = 0; // fields past the last column ignored
    int rowsWithBadMonth = 0;       // skipped whole
    int rowsWithBadDate = 0;        // skipped whole: no YYYYMMDD, or no day of the year
    int rowsBeforeYearOne = 0;      // skipped whole: year 0 or negative
    int overlongLines = 0;          // skipped whole
    int kindNumbersOutOfRange = 0;  // kind-line entries ignored
    int valuesOutOfRange = 0;       // numbers or sums too large for the store, read as 0
    int unreadableDurations = 0;    // durations not h:mm:ss, read as 0 hours
    bool endedEarly = false;        // shorter than when opened: only the bytes still there were read

    bool HasFindings() const;
    bool operator==(const TFileLoadReport&) const = default;
};

// One plain German line for the file pane, or an empty text when there is
// nothing to say about the file.
QString DescribeLoadReport(const TFileLoadReport& report, int slotLimit);
