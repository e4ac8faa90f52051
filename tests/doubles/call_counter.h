#pragma once
// Counts the calls of one of the form's event hooks while still running the
// hook it replaces, and puts that hook back when it goes.

#include <functional>

namespace tellux::testing {

class CallCounter {
 public:
  explicit CallCounter(std::function<void()>& hook) : hook_(hook), original_(hook) {
    hook_ = [this] {
      ++calls;
      if (original_) original_();
    };
  }
  CallCounter(const CallCounter&) = delete;
  CallCounter& operator=(const CallCounter&) = delete;
  ~CallCounter() { hook_ = original_; }

  int calls = 0;

 private:
  std::function<void()>& hook_;
  std::function<void()> original_;
};

}  // namespace tellux::testing
