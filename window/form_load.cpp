// Start-up and shut-down: locale texts, the machine's clock and zone, the
// catalogue, and the user's stored choices.

#include <array>
#include <string>

#include "catalogue/fill_time_zone_lists.h"
#include "platform/checked16.h"
#include "platform/read_number.h"
#include "platform/text.h"
#include "window/frm_time.h"

namespace tellux {
namespace {

constexpr std::string_view kApp = "TelluxTime";
constexpr std::string_view kSection = "Settings";
constexpr std::array<std::string_view, 4> kZoneKeys = {"TimeZone1", "TimeZone2", "TimeZone3",
                                                       "TimeZone4"};

// Larger than any list can be (zone numbers are 16-bit), so never applied.
constexpr std::int16_t kNotApplied = 32767;

// A stored list position: a number that rounds into 16 bits, -1 for none. Any
// other text is not a position the list can take and is left alone, as a
// position past the end of the list is.
std::int16_t StoredPosition(const std::string& stored) {
  const auto value = ParseNumber(stored);
  if (!value) return kNotApplied;
  try {
    const std::int16_t position = checked16::Round(*value);
    return position < -1 ? kNotApplied : position;
  } catch (const RunTimeError&) {
    return kNotApplied;
  }
}

// The machine zone's offset in hours, to the half hour: "-5.5 hours".
std::string OffsetText(std::int32_t bias, const std::string& decimalSeparator) {
  const std::int16_t halfHours = checked16::Round(bias / 30.0);
  const int whole = halfHours / 2;
  std::string number = (halfHours < 0 && whole == 0) ? "-0" : std::to_string(whole);
  if (halfHours % 2 != 0) number += decimalSeparator + "5";
  return number + " hours";
}

// The character the panels find between hour and minute. Locales that put a
// word there report it with blanks or quotes around it (" h ", " 'h' " for
// "14 h 35"); the word is what both the program's texts and typed ones hold,
// where a blank also stands between minutes and seconds. A text of nothing
// else gives its first character, as every other text does.
std::string SeparatorOf(const std::string& reported) {
  const std::string text = text::StripTerminator(reported);
  for (long long k = 1; k <= text::Len(text); ++k) {
    const std::string c = text::FirstChar(text::Mid(text, k));
    if (c != " " && c != "'" && c != "\u00A0" && c != "\u202F") return c;
  }
  return text::FirstChar(reported);
}

}  // namespace

std::string frmTime::ReadLocaleText(std::uint32_t lcType) {
  const int needed = services_.locale.GetLocaleInfoA(kLocaleUserDefault, lcType, nullptr, 0);
  const int size = needed > 0 ? needed : 0;
  std::string buffer(static_cast<std::size_t>(size) + 1, ' ');
  services_.locale.GetLocaleInfoA(kLocaleUserDefault, lcType, &buffer, size);
  return buffer;
}

void frmTime::Form_Load() {
  TrapAndEnd(services_, "Form_Load", [&] {
    TimeSeparator = SeparatorOf(ReadLocaleText(kLocaleSTime));
    PmDesignator = text::StripTerminator(ReadLocaleText(kLocaleS2359));
    AmDesignator = text::StripTerminator(ReadLocaleText(kLocaleS1159));

    std::uint32_t adjustment = 0;
    std::uint32_t increment = 0;
    std::int32_t disabled = 0;
    services_.clock.GetSystemTimeAdjustment(adjustment, increment, disabled);
    // Both figures are shown as the clock reports them, in its 100 ns units.
    txtAdjust.SetText(disabled != 0 ? std::string("Disabled.")
                                    : std::to_string(adjustment) + " ns Every " +
                                          std::to_string(increment) + " ns.");

    services_.clock.GetTimeZoneInformation(LocalZoneInfo);
    std::string decimal = text::StripTerminator(ReadLocaleText(kLocaleSDecimal));
    if (decimal.empty() || decimal == " ") decimal = ".";
    txtTZBias.SetText(OffsetText(LocalZoneInfo.Bias, decimal));
    txtTZName.SetText(text::FromUtf16({LocalZoneInfo.StandardName.data(), 32}));
    txtTZSName.SetText(text::FromUtf16({LocalZoneInfo.DaylightName.data(), 32}));

    Updating = -1;
    catalogue::CatalogueTargets targets{Catalogue, OsVersion, txtTZName,
                                        {&ComboTZ[0], &ComboTZ[1], &ComboTZ[2], &ComboTZ[3]},
                                        ZeroBiasZone};
    catalogue::FillTimeZoneLists(services_, targets);
    Updating = 0;

    FirstTick = -1;

    ReadStoredChoices();
  });
}

void frmTime::ReadStoredChoices() {
  for (std::size_t i = 0; i < 4; ++i) {
    SavedZone[i] = StoredPosition(services_.settings.GetSetting(kApp, kSection, kZoneKeys[i], "0"));
  }
  for (std::size_t i = 0; i < 4; ++i) {
    if (SavedZone[i] < ComboTZ[i].ListCount()) ComboTZ[i].SetListIndex(SavedZone[i]);
  }

  // A text that is not a number counts as missing.
  const auto selection = ParseNumber(services_.settings.GetSetting(kApp, kSection, "Selection", "0"));
  const double s = selection.value_or(0);
  Option1[s == 1 ? 0 : s == 2 ? 1 : s == 3 ? 2 : 3].SetValue(true);
}

void frmTime::Form_Unload(std::int16_t& /*Cancel*/) {
  // A value that cannot be stored leaves the one stored before; nothing here
  // can be done about it once the window is closing.
  for (std::size_t i = 0; i < 4; ++i) {
    services_.settings.SaveSetting(kApp, kSection, kZoneKeys[i], std::to_string(ComboTZ[i].ListIndex()));
  }
  const char* selection = Option1[0].Value() ? "1" : Option1[1].Value() ? "2" : Option1[2].Value() ? "3" : "4";
  services_.settings.SaveSetting(kApp, kSection, "Selection", selection);
  EndProgram(services_);
}

}  // namespace tellux
