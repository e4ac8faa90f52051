#include "window/frm_time.h"

#include <stdexcept>
#include <string>
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

// The layout names a control as its member does, an array element with its
// index ("Option1(2)"). A name that is none of them is a fault in the
// layout table, so it fails at once rather than leaving a control unplaced.
Control& frmTime::ControlByName(std::string_view name) {
  std::string_view base = name;
  std::size_t index = 0;
  const std::size_t open = name.find('(');
  if (open != std::string_view::npos && name.size() == open + 3 && name[open + 1] >= '0' &&
      name[open + 1] <= '9' && name.back() == ')') {
    base = name.substr(0, open);
    index = static_cast<std::size_t>(name[open + 1] - '0');
  }
  auto element = [&](auto& members) -> Control* {
    return base != name && index < members.size() ? &members[index] : nullptr;
  };
  Control* found = nullptr;
  if (base == "Option1") found = element(Option1);
  else if (base == "UpDown") found = element(UpDown);
  else if (base == "ComboTZ") found = element(ComboTZ);
  else if (base == "txtTime") found = element(txtTime);
  else if (base == "Label2") found = element(Label2);
  else if (name == "Text0") found = &Text0;
  else if (name == "Text1") found = &Text1;
  else if (name == "Text2") found = &Text2;
  else if (name == "Text3") found = &Text3;
  else if (name == "txtLocTime") found = &txtLocTime;
  else if (name == "txtSysTime") found = &txtSysTime;
  else if (name == "txtAdjust") found = &txtAdjust;
  else if (name == "Frame1") found = &Frame1;
  else if (name == "txtTZBias") found = &txtTZBias;
  else if (name == "txtTZName") found = &txtTZName;
  else if (name == "txtTZSName") found = &txtTZSName;
  else if (name == "Timer1") found = &Timer1;
  if (found == nullptr) throw std::logic_error("the layout names no control: " + std::string(name));
  return *found;
}

void frmTime::ApplyLayout() {
  for (const LayoutEntry& e : FrmTimeLayout()) {
    Control* c = &ControlByName(e.name);
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
