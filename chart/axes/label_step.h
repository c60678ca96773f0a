#pragma once

// The label step of an axis: pure functions of the range, the room for
// labels and the desired increment.

// How many labels of `size` pixels (plus LabelsSeparation percent of it)
// fit along `pixelLength`; 1 for a zero size.
int LabelsThatFit(int pixelLength, int size, int separation);

// The next step of 1, 2, 5, 10, 20, 50 ... (and 0.5, 0.2, 0.1 ... below 1).
double NextNiceStep(double step);

// The step of a numeric axis: the desired increment (or 1, or 1e-12 for
// spans below 1), grown along the nice steps until at most `fit` labels
// cover the span. Without separation the start step is kept.
double NumericLabelStep(double span, int fit, double increment, int separation);

// The step of a date-time axis: along the date-time table, doubling past a
// year, until at most `fit` labels cover the span.
double DateTimeLabelStep(double span, int fit, double increment);
