// Placeholder until the folder browser lands: the Browse buttons do nothing yet.
#include "wizard/p1u1.h"

namespace wizard {

void TMainForm::BrowseClick(rtl::TComponent&) {}

}  // namespace wizard
