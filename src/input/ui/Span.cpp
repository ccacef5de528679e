// The effective lengths of the spans.
#include "input/ui/Span.h"

#include "foundation/ui/Windows.h"

namespace kx {

TSpanFrm::TSpanFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "SpanFrm", "Span"); }

} // namespace kx
