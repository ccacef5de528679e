// The order in which the section files are written each time the main window is shown.
#include "sections/SectionWriters.h"

#include <exception>

#include "platform/Errors.h"

#include "sections/Pro_Load_C.h"
#include "sections/Pro_Load_CHS.h"
#include "sections/Pro_Load_EqL.h"
#include "sections/Pro_Load_EqRSA.h"
#include "sections/Pro_Load_HE.h"
#include "sections/Pro_Load_IPE.h"
#include "sections/Pro_Load_PFC.h"
#include "sections/Pro_Load_RHS.h"
#include "sections/Pro_Load_RSC.h"
#include "sections/Pro_Load_RSJ.h"
#include "sections/Pro_Load_Scaffold.h"
#include "sections/Pro_Load_UB.h"
#include "sections/Pro_Load_UC.h"
#include "sections/Pro_Load_UPN.h"
#include "sections/Pro_Load_UnEqL.h"
#include "sections/Pro_Load_UnEqRSA.h"
#include "sections/Pro_Load_WsBeam.h"
#include "sections/Pro_Load_WsCol.h"

namespace kx {

namespace {

// The I- and H-section tables first, then channels, angles, hollow sections and scaffold members.
constexpr SectionWriter Writers[] = {
    {"UB.sct", Pro_Load_UB},       {"UC.sct", Pro_Load_UC},       {"RSJ.sct", Pro_Load_RSJ},
    {"IPE.sct", Pro_Load_IPE},     {"HE.sct", Pro_Load_HE},       {"WsBeam.sct", Pro_Load_WsBeam},
    {"WsCol.sct", Pro_Load_WsCol}, {"RSC.sct", Pro_Load_RSC},     {"PFC.sct", Pro_Load_PFC},
    {"UPN.sct", Pro_Load_UPN},     {"EqRSA.sct", Pro_Load_EqRSA}, {"UnEqRSA.sct", Pro_Load_UnEqRSA},
    {"EqL.sct", Pro_Load_EqL},     {"UnEqL.sct", Pro_Load_UnEqL}, {"RHS.sct", Pro_Load_RHS},
    {"CHS.sct", Pro_Load_CHS},     {"C.sct", Pro_Load_C},         {"Scaf.sct", Pro_Load_Scaffold},
};

} // namespace

std::span<const SectionWriter> SectionWriters() { return Writers; }

void WriteAllSectionFiles() {
    std::exception_ptr first;
    for (const SectionWriter& w : Writers) {
        try {
            w.Write();
        } catch (const IoError&) {
            if (!first) first = std::current_exception();
        }
    }
    if (first) std::rethrow_exception(first);
}

} // namespace kx
