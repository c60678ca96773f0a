#include "app/view/drawn_years.h"

#include <gtest/gtest.h>

namespace {

using TToggle = TDrawnYears::TToggle;

// Years in the order a dialog may give them: the latest eight by year are
// drawn, whatever their rows.
TEST(DrawnYears, LatestEightDrawnNinthRefusedColoursKept)
{
    TDrawnYears drawn;
    drawn.Reset({2017, 2005, 2006, 2007, 2008, 2009, 2010, 2011, 2012, 2013, 2014, 2015, 2016});
    using Rows = std::array<int, MaxDrawnYears>;
    EXPECT_EQ(drawn.RowsByColour(), Rows({0, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(drawn.HiddenYears(), std::vector<int>({2005, 2006, 2007, 2008, 2009}));
    EXPECT_EQ(drawn.Colour(1), clNone);

    const std::pair<int, TToggle> steps[] = {{1, TToggle::RefusedFull}, {7, TToggle::Hidden}, {1, TToggle::Shown},
                                             {2, TToggle::RefusedFull}, {13, TToggle::NoYear}};
    for (const auto& [row, result] : steps)
        EXPECT_EQ(drawn.Toggle(row), result) << row;
    EXPECT_EQ(drawn.Colour(1), clBlue); // the colour 2011 left; the others keep theirs
    EXPECT_EQ(drawn.RowsByColour(), Rows({0, 6, 1, 8, 9, 10, 11, 12}));

    // Hiding by year (as remembered) never hides the last drawn year.
    drawn.HideYears({2005, 2010, 2012, 2013, 2014, 2015, 2016, 2017});
    EXPECT_EQ(drawn.RowsByColour(), Rows({-1, -1, -1, -1, -1, -1, -1, 12}));
    EXPECT_EQ(drawn.Toggle(12), TToggle::RefusedLast);
}

} // namespace
