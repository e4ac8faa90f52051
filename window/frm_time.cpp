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
  const bool indexed = base != name;
  auto element = [&](auto& members) -> Control* {
    return indexed && index < members.size() ? &members[index] : nullptr;
  };
  auto single = [&](Control& member) -> Control* { return indexed ? nullptr : &member; };
  const std::pair<std::string_view, Control*> named[] = {
      {"Option1", element(Option1)},        {"UpDown", element(UpDown)},
      {"ComboTZ", element(ComboTZ)},        {"txtTime", element(txtTime)},
      {"Label2", element(Label2)},          {"Text0", single(Text0)},
      {"Text1", single(Text1)},             {"Text2", single(Text2)},
      {"Text3", single(Text3)},             {"txtLocTime", single(txtLocTime)},
      {"txtSysTime", single(txtSysTime)},   {"txtAdjust", single(txtAdjust)},
      {"Frame1", single(Frame1)},           {"txtTZBias", single(txtTZBias)},
      {"txtTZName", single(txtTZName)},     {"txtTZSName", single(txtTZSName)},
      {"Timer1", single(Timer1)}};
  for (const auto& [n, control] : named) {
    if (n == base && control != nullptr) return *control;
  }
  throw std::logic_error("the layout names no control: " + std::string(name));
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
                              std::int16_t ToZone, zonetime::MinuteText* kept) {
  const zonetime::ConversionContext context{Catalogue.ZoneRule, TimeSeparator, CharPos};
  return zonetime::CalcTime(services_, context, Source, Result, FromZone, ToZone, kept);
}

std::string frmTime::RemoveSeconds(std::string_view Text) {
  return zonetime::RemoveSeconds(services_.dates, TimeSeparator, CharPos, Text);
}

}  // namespace tellux
