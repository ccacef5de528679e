// The printed diagram pages: the beam with its supports and loads over the shear, moment and
// deflection bands, one page per loadcase and one of the envelope over all loadcases.
#pragma once

#include "platform/Printer.h"

namespace kx {

// Both draw from the current page of p's open document on, with the page header on every page,
// laid out in millimetres of the page (across and down each at its own resolution). Every page of
// a printout shares the envelope's vertical scales. Nothing at all is printed without a beam or
// when the envelope's largest deflection is 0.

// One page per loadcase 1..LoadcaseCount, a new page between two; the loads with their values,
// the reactions, the curves with their value labels and scale bars.
void PrintCaseDiagrams(Printer& p);

// One page: the loads of every loadcase together, the largest and smallest reaction of each
// support, every loadcase's curves overlaid, the envelope's scale bars.
void PrintEnvelopeDiagrams(Printer& p);

// Whether the two routines print anything: there is a beam, it deflects somewhere and, for the
// loadcase pages, a loadcase was analysed.
bool PrintsCaseDiagrams();
bool PrintsEnvelopeDiagrams();

// The shrink of the vertical scales with the number of spans: 1 - 0.05 per span, never below 0.05.
double DiagramShrinkFactor(int spans);

} // namespace kx
