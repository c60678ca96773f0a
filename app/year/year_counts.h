#pragma once

// How many years one load holds (store slots 1 to 19), and how many of them
// the chart draws at once (its eight year series). The rest of a load stays
// reachable through the pick list.
constexpr int MaxLoadedYears = 19;
constexpr int MaxDrawnYears = 8;
