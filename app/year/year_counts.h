#pragma once

// How many years one load holds (store slots 1 to 19), and how many of them
// the chart draws at once (its eight year series). The rest of a load stays
// reachable through the pick list.
constexpr int MaxLoadedYears = 19;
constexpr int MaxDrawnYears = 8;
// A calendar year touches two seasons when they do not start on 1 January:
// a load of 19 years can give up to 38 of them.
constexpr int MaxSeasons = 2 * MaxLoadedYears;
