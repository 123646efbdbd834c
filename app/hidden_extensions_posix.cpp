#include "wording.h"

namespace drawchk {

// File managers here show a name whole.
std::string_view HiddenExtensionsTip() { return {}; }

}  // namespace drawchk
