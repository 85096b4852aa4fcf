// Output handlers: the binding of the output side's controls.
#include "main/parse_view.h"

namespace vt {

void TParseView::BindOutputHandlers() {}

}  // namespace vt
