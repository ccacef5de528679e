// Set-up shared by the effective-length tests: a 127 x 76 UB on every member, and a look-up in
// the steel check listing.
#pragma once

#include <string>
#include <utility>

#include "engine/ResultText.h"
#include "foundation/SharedModel.h"

namespace kx::test {

// "127 x 76 UB 13" (E 205000, Ixx 4734400, D 127, ry 18.369, T 7.6) on every member row.
inline void PutUB127(Arr<TMemberRow, 0, 27>& rows) {
    for (int row = 0; row <= kRHCantRow; ++row)
        for (auto [field, v] : {std::pair{mfE, 205000.0f},
                                {mfIxx, 4734400.0f},
                                {mfY, 63.5f},
                                {mfArea, 1652.0f},
                                {mfShearArea, 508.0f},
                                {mfRy, 18.369f},
                                {mfDT, 127 / 7.6f},
                                {mfSteelDepth, 127.0f}})
            rows[row][field] = v;
}
// The committed beam made of it, checked as a hot-rolled beam.
inline void UseUB127OnEveryMember() {
    PutUB127(Model.SpanData);
    Model.SectionShape = "Beam";
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
}

// The index of a line of the first loadcase's steel check listing; 0 when it is not there.
inline int SteelCheckLine(const std::string& line) {
    for (int i = 1; i <= 500; ++i)
        if (Txt.SteelCheckLines[1][i].str() == line) return i;
    return 0;
}

} // namespace kx::test
