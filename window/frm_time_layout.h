#pragma once
// The window's layout, written once as data: every control's position and
// size in twips within its container, tab order, caption or initial text,
// tooltip and the name a screen reader announces.

#include <span>
#include <string_view>

#include "platform/controls.h"
#include "tellux_version.h"

namespace tellux {

// "Tellux Time 2.3": the name and the version of the build.
inline constexpr std::string_view kInitialCaption = TELLUX_PRODUCT_NAME " " TELLUX_VERSION_SHORT;

struct LayoutEntry {
  std::string_view name;
  bool inFrame;        // inside Frame1, else inside the window
  TwipsRect bounds;
  int tabIndex;
  bool tabStop;
  std::string_view text;  // caption, or a text box's initial text
  std::string_view toolTip;
  std::string_view accessibleName;
};

std::span<const LayoutEntry> FrmTimeLayout();

}  // namespace tellux
