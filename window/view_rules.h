#pragma once
// What both views of the window (Qt, Win32) do alike, written once and
// toolkit-free: scaling the layout's twips to pixels, the window's opening
// size, how a zone list's shown items follow the model, where the caret goes
// when the program rewrites the box the user is in, the tab order, and which
// program-set values need pushing to the toolkit again.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace tellux {
class frmTime;
}

namespace tellux::view {

// Twips to pixels at dpi (1440 twips an inch), rounded to nearest.
int TwipsToPixels(int twips, int dpi);

// A rectangle's edges in pixels, each edge scaled on its own, so controls
// that touch in twips touch in pixels too. dpiX scales left and right,
// dpiY top and bottom.
struct PixelEdges {
  int left;
  int top;
  int right;
  int bottom;
};
PixelEdges ScaleEdges(const TwipsRect& bounds, int dpiX, int dpiY);

// The window opens on the four panel rows; the information block below is
// revealed by making the window taller.
TwipsRect InitialClientArea();

// Items are only ever added to a zone list, one at a time while the
// catalogue loads: a view appends what is new rather than rebuilding the
// list. Of the `shown` items a view holds, how many stay before the model's
// items from there on are appended: all of them, or none (the list is
// cleared) when the view holds more than the model.
int ItemsToKeep(int shown, int modelCount);

// The user may be typing in a box the program rewrites: the caret stays
// where it was, or at the end of a shorter text.
std::size_t CaretAfterRewrite(std::size_t caret, std::size_t newLength);

// WCAG 2 contrast between two colours, 1 (none) to 21 (black on white).
double ContrastRatio(ColorRef a, ColorRef b);
// What reads as text: 4.5 : 1 against its background.
inline constexpr double kReadableContrast = 4.5;
// The colour to write text in on background: the theme's own text colour
// where it reads there, else black or white, whichever reads better. A light
// yellow box under a dark theme gets black, not the theme's light text.
ColorRef ReadableTextColor(ColorRef background, ColorRef themeText);

// The name a screen reader announces for control. A time box whose zone is
// in daylight saving says so, since its colour alone cannot.
std::string AccessibleNameOf(const Control& control);

// The spin control whose buddy box is the one given: Up and Down in a panel
// box step its hour. Null for any other box.
SpinControl* SpinBeside(frmTime& form, const Control& box);

// A value only the program sets (a window caption, a box's back colour): the
// clock sets the same ones every second, and a view pushes one to the
// toolkit only when it differs from the one it pushed last. Texts the user
// can edit are compared with what the widget shows instead.
template <class T>
class LastPushed {
 public:
  // Whether value must be pushed; if so it is remembered as pushed.
  bool NeedsPush(const T& value) {
    if (pushed_ && value == last_) return false;
    last_ = value;
    pushed_ = true;
    return true;
  }
  // The toolkit lost what was pushed (a new style or palette): push again.
  void Forget() { pushed_ = false; }

 private:
  T last_{};
  bool pushed_ = false;
};

// Sorts controls (or the views' bindings, through control) by tab index,
// keeping the order of equal ones.
template <class T, class ControlOf>
void SortByTabIndex(std::vector<T*>& items, ControlOf control) {
  std::stable_sort(items.begin(), items.end(), [&](const T* a, const T* b) {
    return control(*a).tabIndex < control(*b).tabIndex;
  });
}

}  // namespace tellux::view
