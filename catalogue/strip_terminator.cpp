#include "catalogue/strip_terminator.h"

#include "platform/text.h"

namespace tellux::catalogue {

std::string StripTerminator(std::string_view text) { return text::BeforeNul(text); }

}  // namespace tellux::catalogue
