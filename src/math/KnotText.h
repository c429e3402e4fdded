#pragma once
// How the texts of the "Knots: " and "Degree:" boxes become the curve's knots and degree.
// Bad input is never reported; it only changes the result.
class DeBoorCurve;

// Replaces the knot list by the numbers of the text, separated by runs of blanks, commas, tabs
// and line ends. A value smaller than the knot before it is dropped, so the list never
// decreases; a last number that reads as 0 is not taken.
void readKnots(DeBoorCurve& curve, const char* text);
// Sets the degree to the text's leading integer; 1 or less (or no number) gives 2. Numbers
// beyond the int32 range saturate.
void readDegree(DeBoorCurve& curve, const char* text);
