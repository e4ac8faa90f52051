#include "platform/error_trap.h"

#include <exception>
#include <string>

namespace tellux {

void ReportError(MessageBoxService& messages, const RunTimeError& error, std::string_view where) {
  std::string text = error.Description();
  text += " in ";
  text += where;
  messages.Show(text, kAppTitle);
}

void ReportAndEnd(const Services& services, const RunTimeError& error, std::string_view where) {
  if (where.empty()) {
    services.messages.Show(error.Description(), kAppTitle);
  } else {
    ReportError(services.messages, error, where);
  }
  EndProgram(services);
}

void EndProgram(const Services& services) {
  services.end.End();
  std::terminate();  // End never returns; this only tells the compiler so.
}

}  // namespace tellux
