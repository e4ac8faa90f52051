#pragma once
// A message box for benchmarks: records the texts instead of waiting for a
// user, so a benchmark that shows one can be seen to have done so.

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace tellux::bench {

class RecordingMessageBox final : public MessageBoxService {
 public:
  std::vector<std::string> texts;

  void Show(std::string_view text, std::string_view /*caption*/) override { texts.emplace_back(text); }
};

}  // namespace tellux::bench
