// Governing values of each member, of the whole beam and over all loadcases, the largest moment a
// support connection takes, and the shear and moment at every twentieth of each member.
#pragma once

namespace kx {

// Member rows 0..26 of loadcase Eng.CurrentCase, from its final work tables with the LH cantilever
// already reversed (free end first). Called by StoreLoadcaseResults.
void MemberShearExtremes();
void MemberMomentExtremes();
void MemberDeflectionExtremes();

// Row 27 (the whole beam) of loadcase Eng.CurrentCase from its member rows; the moments also get
// fields 3..5 of every member row.
void CaseShearExtremes();
void CaseMomentExtremes();
void CaseDeflectionExtremes();

// Slot 0 (the envelope) of every row from loadcases 1..LoadcaseCount.
void EnvelopeShearExtremes();
void EnvelopeMomentExtremes();
void EnvelopeDeflectionExtremes();

// CouplerMomentMax of Eng.CurrentCase: the largest change of moment across any support.
void MaxCouplerMoment();

// |shear| and moment of loadcase Eng.CurrentCase at the twentieth points of every member.
void CalcSpanIntervalValues();
// Their envelope in slot 0, with the loadcase that governs each value; a tie keeps the lower one.
void BuildEnvelopeTable();

// SupportWorkValues and MinSupportReaction: the largest and smallest reaction of each support
// over loadcases 1..LoadcaseCount, skipping a support where it was released, starting from what
// they hold (0 after a new analysis). Repeated calls leave them unchanged. The results summary
// reads the largest, so the analysis works them out itself rather than leave them to the drawing.
void EnvelopeSupportReactions();

} // namespace kx
