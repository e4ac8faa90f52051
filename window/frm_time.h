#pragma once
// The one window: four clock panels (option button, time box, spin control,
// zone list) above an information block about the machine's clock and zone,
// with the state all its handlers share. Handlers are raised by the control
// model (see platform/controls.h) and by the view for Form_Load, Timer1 and
// Form_Unload; all run on one thread, one at a time, and may raise others
// synchronously.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/zone_catalogue.h"
#include "platform/controls.h"
#include "platform/error_trap.h"
#include "platform/services.h"
#include "platform/win_types.h"
#include "zonetime/calc_time.h"

namespace tellux {

class frmTime {
 public:
  explicit frmTime(const Services& services);
  frmTime(const frmTime&) = delete;
  frmTime& operator=(const frmTime&) = delete;

  // --- Handlers -----------------------------------------------------------
  void Form_Load();
  // Form_Load's last step: the zone lists' positions and the caption panel
  // the user stored, applied where the lists can take them. No trap of its
  // own.
  void ReadStoredChoices();
  // Stores the zone choices and the caption panel, then ends the program.
  [[noreturn]] void Form_Unload(std::int16_t& Cancel);
  void Timer1_Timer();
  void ComboTZ_Click(std::int16_t Index);
  // Text0_Change..Text3_Change: one procedure for the four boxes.
  void Text_Change(std::int16_t N);
  // Text0_LostFocus..Text3_LostFocus.
  void Text_LostFocus(std::int16_t N);
  void UpDown_DownClick(std::int16_t Index);
  void UpDown_UpClick(std::int16_t Index);
  void UpdateTexts(std::int16_t Index);

  // Runs a user event the view received (a key, a click, a pick), with the
  // platform's handling of an error that no procedure trapped.
  template <class Event>
  void RaiseUserEvent(Event&& event) {
    DefaultErrorHandling(services_, event);
  }

  // --- The window and its controls ---------------------------------------
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  std::function<void()> CaptionChanged;  // set by the view

  static constexpr int kClientWidth = 6045;   // twips: the four panel rows
  static constexpr int kClientHeight = 1305;
  static constexpr ColorRef kLightYellow = Rgb(255, 255, 192);

  std::array<OptionButton, 4> Option1;
  TextBox Text0, Text1, Text2, Text3;
  std::array<SpinControl, 4> UpDown;
  std::array<ComboBox, 4> ComboTZ;
  std::array<Label, 10> Label2;
  TextBox txtLocTime, txtSysTime, txtAdjust;
  Label Frame1{ControlKind::kFrame};
  TextBox txtTZBias, txtTZName, txtTZSName;
  std::array<TextBox, 4> txtTime;
  Timer Timer1;

  // Text0..Text3 by panel number.
  TextBox& PanelBox(int n);
  // Every control, in the order of the layout table.
  const std::vector<Control*>& Controls() const { return controls_; }

  // --- Window-level state (all zero at creation; flags are 0 or -1) -------
  OSVERSIONINFO OsVersion{};
  TIME_ZONE_INFORMATION LocalZoneInfo{};
  std::array<SYSTEMTIME, 4> PanelTime{};
  std::int16_t FirstTick = 0;
  std::int16_t Updating = 0;
  std::int16_t CharPos = 0;
  std::int16_t CharPos2 = 0;
  std::int16_t EditValue = 0;
  std::int16_t ZeroBiasZone = 0;
  std::string TimeSeparator;
  std::string AmDesignator;
  std::string PmDesignator;
  catalogue::ZoneCatalogue Catalogue;
  std::array<std::int16_t, 4> SavedZone{};

 private:
  Control& ControlByName(std::string_view name);
  void ApplyLayout();
  void WireHandlers();
  std::string ReadLocaleText(std::uint32_t lcType);
  std::string CalcTime(const SYSTEMTIME& Source, SYSTEMTIME& Result, std::int16_t FromZone,
                       std::int16_t ToZone, zonetime::MinuteText* kept = nullptr);
  std::string RemoveSeconds(std::string_view Text);
  std::int16_t ZoneOf(int list) const;
  void StepHour(std::int16_t Index, int delta);

  Services services_;
  std::string caption_;
  std::vector<Control*> controls_;
  std::array<zonetime::MinuteText, 4> clockRows_;  // each clock row's text for its minute
};

}  // namespace tellux
