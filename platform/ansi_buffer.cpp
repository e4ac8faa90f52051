#include "platform/ansi_buffer.h"

#include <algorithm>

namespace tellux {

int WriteAnsiBuffer(std::string_view text, std::string* buffer, int cch) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (cch == 0) return needed;
  if (buffer == nullptr || cch < needed || buffer->size() < static_cast<std::size_t>(needed)) {
    return 0;
  }
  std::copy(text.begin(), text.end(), buffer->begin());
  (*buffer)[text.size()] = '\0';
  return needed;
}

}  // namespace tellux
