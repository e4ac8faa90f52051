// Costs of the program's work on the real Linux services: the zone catalogue
// from the system's tz database with ICU names, the start-up handler, one
// clock tick, one typed time and one spin step. The message box records and
// the program end throws, so a handler that fails shows as a benchmark error
// rather than a dialog or an exit. Settings go to a temporary folder.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "catalogue/fill_time_zone_lists.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/locale/locale_names.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/emulated_registry.h"
#include "platform/linux/zones/environment.h"
#include "tests/doubles/recording_message_box.h"
#include "tests/doubles/throwing_program_end.h"
#include "window/frm_time.h"

namespace tellux::bench {
namespace {

using testing::ProgramEnded;
using testing::RecordingMessageBox;
using testing::ThrowingProgramEnd;

// The real services with the recording box and throwing end in place of
// the Qt box and the process exit.
struct RealServices {
  LinuxPlatform platform;
  RecordingMessageBox messages;
  ThrowingProgramEnd end;

  Services services() {
    const Services real = platform.services();
    return {real.registry, real.clock, real.locale, real.dates, real.settings, messages, end};
  }
};

RealServices& Shared() {
  static RealServices real;
  return real;
}

// Runs body; a program end or a message box fails the benchmark.
template <class Body>
bool Checked(benchmark::State& state, Body&& body) {
  try {
    body();
  } catch (const ProgramEnded&) {
    state.SkipWithError("the program ended");
    return false;
  }
  if (!Shared().messages.texts.empty()) {
    state.SkipWithError(("message box: " + Shared().messages.texts.front()).c_str());
    return false;
  }
  return true;
}

// A form loaded and past its first tick, as the user finds it running.
std::unique_ptr<frmTime> RunningForm(benchmark::State& state) {
  auto form = std::make_unique<frmTime>(Shared().services());
  if (!Checked(state, [&] {
        form->Form_Load();
        form->Timer1_Timer();
      })) {
    return nullptr;
  }
  return form;
}

// The zone catalogue from the tz database with ICU names, then the lists
// filled from it: what the window waits for before it can show.
void BM_CatalogueLoad(benchmark::State& state) {
  RealServices& real = Shared();
  int zones = 0;
  for (auto _ : state) {
    auto catalogue = zoneinfo::TzCatalogue::FromEnvironment();
    zoneinfo::TzRegistry registry(*catalogue);
    const Services base = real.services();
    const Services services{registry, base.clock, base.locale, base.dates,
                            base.settings, base.messages, base.end};
    catalogue::ZoneCatalogue loaded;
    OSVERSIONINFO version{};
    TextBox machineZone;
    std::array<ComboBox, 4> lists;
    std::int16_t zeroBias = 0;
    catalogue::CatalogueTargets targets{loaded, version, machineZone,
                                        {&lists[0], &lists[1], &lists[2], &lists[3]}, zeroBias};
    if (!Checked(state, [&] { catalogue::FillTimeZoneLists(services, targets); })) return;
    zones = loaded.Count();
    benchmark::DoNotOptimize(loaded);
  }
  state.counters["zones"] = zones;
}
BENCHMARK(BM_CatalogueLoad)->Unit(benchmark::kMillisecond);

// The catalogue alone, built from the tz database and ICU as at every start.
void BM_CatalogueBuild(benchmark::State& state) {
  for (auto _ : state) {
    zoneinfo::TzCatalogue built(UserLocaleName(), zoneinfo::ZoneDirectory());
    benchmark::DoNotOptimize(built.Entries().data());
  }
}
BENCHMARK(BM_CatalogueBuild)->Unit(benchmark::kMillisecond);

// Every service the program starts with: the catalogue, the machine's zone,
// ICU locale texts and date forms, the settings file's place.
void BM_ServicesStart(benchmark::State& state) {
  for (auto _ : state) {
    LinuxPlatform platform;
    benchmark::DoNotOptimize(&platform);
  }
}
BENCHMARK(BM_ServicesStart)->Unit(benchmark::kMillisecond);

// A new window's model and its start-up handler on services already built.
void BM_FormLoad(benchmark::State& state) {
  for (auto _ : state) {
    frmTime form(Shared().services());
    if (!Checked(state, [&] { form.Form_Load(); })) return;
    benchmark::DoNotOptimize(form.Caption());
  }
}
BENCHMARK(BM_FormLoad)->Unit(benchmark::kMicrosecond);

// One clock tick after the first, ticking as fast as it can: most ticks fall
// in the same millisecond as the one before.
void BM_Timer1Tick(benchmark::State& state) {
  auto form = RunningForm(state);
  if (!form) return;
  for (auto _ : state) {
    form->Timer1_Timer();
    benchmark::DoNotOptimize(form->Caption());
  }
  Checked(state, [] {});
}
BENCHMARK(BM_Timer1Tick)->Unit(benchmark::kMicrosecond);

// The real clock moved on a whole second at each reading pair, as the running
// program finds it once a second: every time text is new, so nothing the
// services remember from the reading before can answer. Only the time of day
// moves (seconds into minutes into hours); the date stays, as the tick's
// texts show no date.
class SecondStepClock final : public Clock {
 public:
  explicit SecondStepClock(Clock& real) : real_(real) {}
  // Steps are counted across every run of the benchmark, so no run sees a
  // second an earlier one saw.
  void Step() { ++steps_; }

  void GetLocalTime(SYSTEMTIME& time) override {
    real_.GetLocalTime(time);
    Advance(time);
  }
  void GetSystemTime(SYSTEMTIME& time) override {
    real_.GetSystemTime(time);
    Advance(time);
  }
  bool GetSystemTimeAdjustment(std::uint32_t& adjustment, std::uint32_t& increment,
                               std::int32_t& disabled) override {
    return real_.GetSystemTimeAdjustment(adjustment, increment, disabled);
  }
  std::uint32_t GetTimeZoneInformation(TIME_ZONE_INFORMATION& info) override {
    return real_.GetTimeZoneInformation(info);
  }

 private:
  void Advance(SYSTEMTIME& time) const {
    const long long seconds =
        (time.wHour * 3600LL + time.wMinute * 60LL + time.wSecond + steps_) % 86400;
    time.wHour = static_cast<std::uint16_t>(seconds / 3600);
    time.wMinute = static_cast<std::uint16_t>(seconds / 60 % 60);
    time.wSecond = static_cast<std::uint16_t>(seconds % 60);
  }

  Clock& real_;
  static inline long long steps_ = 0;
};

// One clock tick a second after the last, as the running program ticks.
void BM_Timer1TickNextSecond(benchmark::State& state) {
  const Services base = Shared().services();
  SecondStepClock clock(base.clock);
  const Services services{base.registry, clock, base.locale, base.dates,
                          base.settings, base.messages, base.end};
  frmTime form(services);
  if (!Checked(state, [&] {
        form.Form_Load();
        form.Timer1_Timer();
      })) {
    return;
  }
  for (auto _ : state) {
    clock.Step();
    form.Timer1_Timer();
    benchmark::DoNotOptimize(form.Caption());
  }
  Checked(state, [] {});
}
BENCHMARK(BM_Timer1TickNextSecond)->Unit(benchmark::kMicrosecond);

// A time typed into panel 1's box: the other three panels convert.
void BM_TypedConversion(benchmark::State& state) {
  auto form = RunningForm(state);
  if (!form) return;
  const std::array<std::string, 2> typed = {"7:15 AM", "8:40 PM"};
  std::size_t next = 0;
  for (auto _ : state) {
    form->Text0.UserEdit(typed[next]);
    next ^= 1;
    benchmark::DoNotOptimize(form->Text1.Text());
  }
  Checked(state, [] {});
}
BENCHMARK(BM_TypedConversion)->Unit(benchmark::kMicrosecond);

// One click on panel 1's hour-up arrow: its box and the other three change.
void BM_SpinStep(benchmark::State& state) {
  auto form = RunningForm(state);
  if (!form) return;
  for (auto _ : state) {
    form->UpDown[0].UserUp();
    benchmark::DoNotOptimize(form->Text1.Text());
  }
  Checked(state, [] {});
}
BENCHMARK(BM_SpinStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tellux::bench

int main(int argc, char** argv) {
  // Settings are read from, and never written to, a folder of our own.
  std::string folder = (std::filesystem::temp_directory_path() / "tellux-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(folder);
  return 0;
}
