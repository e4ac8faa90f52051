#pragma once
// The error traps of the window's procedures: a run-time error is shown as
// "<description> in <procedure>" in a box titled with the application title,
// and then, for most procedures, the program ends at once.

#include <string_view>

#include "platform/message_box.h"
#include "platform/program_end.h"
#include "platform/run_time_error.h"
#include "platform/services.h"

namespace tellux {

inline constexpr std::string_view kAppTitle = "Tellux Time";

// Shows "<description> in <where>" (where may carry more, e.g. "X for Y").
void ReportError(MessageBoxService& messages, const RunTimeError& error, std::string_view where);

// Ends the program at once.
[[noreturn]] void EndProgram(const Services& services);

// Reports error against where, then ends the program.
[[noreturn]] void ReportAndEnd(const Services& services, const RunTimeError& error,
                               std::string_view where);

// Runs body; a run-time error inside it is reported against where and ends
// the program.
template <class Body>
decltype(auto) TrapAndEnd(const Services& services, std::string_view where, Body&& body) {
  try {
    return body();
  } catch (const RunTimeError& error) {
    ReportAndEnd(services, error, where);
  }
}

// What the platform does with an error that no procedure trapped: it shows
// the description alone and ends the program.
template <class Body>
void DefaultErrorHandling(const Services& services, Body&& body) {
  try {
    body();
  } catch (const RunTimeError& error) {
    ReportAndEnd(services, error, {});
  }
}

}  // namespace tellux
