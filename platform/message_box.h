#pragma once
// A modal message box with an OK button only. Returns when the user closes it.

#include <string_view>

namespace tellux {

class MessageBoxService {
 public:
  MessageBoxService() = default;
  MessageBoxService(const MessageBoxService&) = delete;
  MessageBoxService& operator=(const MessageBoxService&) = delete;
  virtual ~MessageBoxService() = default;

  virtual void Show(std::string_view text, std::string_view caption) = 0;
};

}  // namespace tellux
