#pragma once
// A message box that records what it was asked to show.

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace tellux::testing {

class RecordingMessageBox final : public MessageBoxService {
 public:
  std::vector<std::string> texts;
  std::vector<std::string> captions;

  void Show(std::string_view text, std::string_view caption) override {
    texts.emplace_back(text);
    captions.emplace_back(caption);
  }
};

}  // namespace tellux::testing
