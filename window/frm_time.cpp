#include "window/frm_time.h"

#include <utility>

#include "platform/checked16.h"
#include "window/frm_time_layout.h"
#include "zonetime/remove_seconds.h"

namespace tellux {

frmTime::frmTime(const Services& services) : services_(services), caption_(kInitialCaption) {
  ApplyLayout();
  WireHandlers();
  Option1[0].SetValue(true);
  Timer1.interval = 1000;
  Timer1.enabled = true;
}

TextBox& frmTime::PanelBox(int n) {
  switch (n) {
    case 0: return Text0;
    case 1: return Text1;
    case 2: return Text2;
    default: return Text3;
  }
}

void frmTime::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (CaptionChanged) CaptionChanged();
}

Control* frmTime::ControlByName(std::string_view name) {
  static constexpr std::string_view kPanelBoxes[] = {"Text0", "Text1", "Text2", "Text3"};
  for (int i = 0; i < 4; ++i) {
    const std::string n = "(" + std::to_string(i) + ")";
    if (name == "Option1" + n) return &Option1[static_cast<std::size_t>(i)];
    if (name == "UpDown" + n) return &UpDown[static_cast<std::size_t>(i)];
    if (name == "ComboTZ" + n) return &ComboTZ[static_cast<std::size_t>(i)];
    if (name == "txtTime" + n) return &txtTime[static_cast<std::size_t>(i)];
    if (name == kPanelBoxes[i]) return &PanelBox(i);
  }
  for (std::size_t i = 0; i < Label2.size(); ++i) {
    if (name == "Label2(" + std::to_string(i) + ")") return &Label2[i];
  }
  const std::pair<std::string_view, Control*> single[] = {
      {"txtLocTime", &txtLocTime}, {"txtSysTime", &txtSysTime}, {"txtAdjust", &txtAdjust},
      {"Frame1", &Frame1},         {"txtTZBias", &txtTZBias},   {"txtTZName", &txtTZName},
      {"txtTZSName", &txtTZSName}, {"Timer1", &Timer1}};
  for (const auto& [n, control] : single) {
    if (name == n) return control;
  }
  return nullptr;
}

void frmTime::ApplyLayout() {
  for (const LayoutEntry& e : FrmTimeLayout()) {
    Control* c = ControlByName(e.name);
    c->name = e.name;
    c->bounds = e.bounds;
    c->container = e.inFrame ? &Frame1 : nullptr;
    c->tabIndex = e.tabIndex;
    c->tabStop = e.tabStop;
    c->toolTipText = e.toolTip;
    c->accessibleName = e.accessibleName;
    switch (c->Kind()) {
      case ControlKind::kTextBox:
        // Raised before the handlers are wired, so nothing runs.
        static_cast<TextBox*>(c)->SetText(std::string(e.text));
        break;
      case ControlKind::kOptionButton:
        static_cast<OptionButton*>(c)->caption = e.text;
        break;
      case ControlKind::kLabel:
      case ControlKind::kFrame:
        static_cast<Label*>(c)->caption = e.text;
        break;
      default:
        break;
    }
    controls_.push_back(c);
  }
  Timer1.name = "Timer1";
  controls_.push_back(&Timer1);
  for (std::size_t i = 0; i < 4; ++i) {
    UpDown[i].buddy = &PanelBox(static_cast<int>(i));
    for (OptionButton& b : Option1) Option1[i].group.push_back(&b);
  }
}

void frmTime::WireHandlers() {
  for (std::int16_t i = 0; i < 4; ++i) {
    TextBox& box = PanelBox(i);
    box.Change = [this, i] { Text_Change(i); };
    box.LostFocus = [this, i] { Text_LostFocus(i); };
    const auto k = static_cast<std::size_t>(i);
    ComboTZ[k].Click = [this, i] { ComboTZ_Click(i); };
    UpDown[k].UpClick = [this, i] { UpDown_UpClick(i); };
    UpDown[k].DownClick = [this, i] { UpDown_DownClick(i); };
  }
  Timer1.Tick = [this] { Timer1_Timer(); };
}

std::int16_t frmTime::ZoneOf(int list) const {
  return checked16::Narrow(ComboTZ[static_cast<std::size_t>(list)].ListIndex() + 1LL);
}

std::string frmTime::CalcTime(const SYSTEMTIME& Source, SYSTEMTIME& Result, std::int16_t FromZone,
                              std::int16_t ToZone) {
  const zonetime::ConversionContext context{Catalogue.ZoneRule, TimeSeparator, CharPos};
  return zonetime::CalcTime(services_, context, Source, Result, FromZone, ToZone);
}

std::string frmTime::RemoveSeconds(std::string_view Text) {
  return zonetime::RemoveSeconds(services_.dates, TimeSeparator, CharPos, Text);
}

}  // namespace tellux
