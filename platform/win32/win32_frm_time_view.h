#pragma once
// The native Windows view of the window: one child control per control of
// the form's model, placed by its layout (twips scaled for the monitor's DPI,
// 15 twips per pixel at 96 DPI). It draws the model after every change the
// program makes and hands every user action back through
// frmTime::RaiseUserEvent; it keeps no state of its own beyond the handles.
// The form must outlive the view.
//
// The keyboard: Up and Down in a time box step its hour as its spin buttons
// do, letters typed in a zone list find a zone (view::ZoneFinder), and
// Ctrl+1 to Ctrl+4 choose the caption row as a click on its option button.
//
// Text is drawn in the system's colours, and in one that reads on the light
// yellow of a box in daylight saving, which its accessible name also tells.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/accessible_names.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_zone_search.h"
#include "platform/win32/window_subclass.h"
#include "platform/win32/windows_api.h"
#include "window/frm_time.h"
#include "window/view_rules.h"
#include "window/zone_finder.h"

namespace tellux::win32 {

class Win32FrmTimeView {
 public:
  // Creates the window and its controls, hidden.
  Win32FrmTimeView(frmTime& form, HINSTANCE instance);
  Win32FrmTimeView(const Win32FrmTimeView&) = delete;
  Win32FrmTimeView& operator=(const Win32FrmTimeView&) = delete;
  ~Win32FrmTimeView();

  // Loads the form, then shows the window and starts the timer, so the
  // first tick finds the lists filled. Once the window is active the
  // keyboard focus is in the first tab stop, Text0.
  void Start(int showCommand);

  // Runs the message loop until WM_QUIT; Tab and arrow keys move between
  // controls as in a dialog, and switching to another program and back
  // leaves the focus where it was. Returns WM_QUIT's exit code.
  int RunMessageLoop();
  // The message loop's first step for each message: a shortcut key of the
  // window (Ctrl+1..Ctrl+4) is carried out, and true returned; the message
  // is then done with.
  bool TranslateKey(MSG& message);

  // Twips to pixels at the given DPI, rounded.
  static int TwipsToPixels(int twips, int dpi);

  HWND Window() const { return window_.get(); }
  // The child window that draws control; null for the timer.
  HWND HandleFor(const Control& control) const;

 private:
  struct Binding {
    Control* control = nullptr;
    HWND hwnd = nullptr;
    int id = 0;
    // The back colour the edit was last drawn in: what it shows, not part of
    // the binding, so a refresh may note it.
    mutable ColorRef shownColor = kColorWindow;
  };

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // A zone list's own procedure, before the list sees a typed character.
  static LRESULT CALLBACK ZoneListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR view);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  void ListenToZoneLists();
  void PlaceControls();
  void AddToolTips();
  void SetAccessibleNames();
  void Refresh(const Binding& binding);
  void RefreshText(const Binding& binding);
  void RefreshCombo(const Binding& binding);

  void OnCommand(int id, int code, HWND from);
  void OnShortcut(int id);
  void LendArrowKeys(const Control& box, bool focused);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnCtlColor(HDC dc, HWND control);
  void OnSystemColors(WPARAM wParam, LPARAM lParam);
  void RepaintAll();
  bool OnZoneChar(HWND list, wchar_t unit, LPARAM lParam);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnClose();
  void OnActivate(bool active, bool minimized);
  void GiveFocusBack();
  void UseFontForDpi();

  const Binding* Find(const Control& control) const;
  const Binding* FindId(int id) const;
  RECT PixelRect(const TwipsRect& bounds, const Control* container) const;
  HBRUSH BrushFor(ColorRef color);

  frmTime& form_;
  HINSTANCE instance_;
  int dpi_ = 96;
  // Set while the program writes into a control, so the notification it
  // sends back (EN_CHANGE) is not taken for the user's.
  bool programWriting_ = false;
  // The control that last had the keyboard focus, given back when the
  // window is activated again; null until one had it (Text0 then).
  HWND focusToRestore_ = nullptr;
  std::vector<Binding> bindings_;
  UniqueHwnd window_;
  UniqueHfont font_;
  std::map<ColorRef, UniqueHbrush> brushes_;
  HWND toolTips_ = nullptr;  // owned by the window
  UniqueHaccel shortcuts_;
  std::unique_ptr<AccessibleNames> accessibility_;
  view::LastPushed<std::string> caption_;  // the title the window was given last
  Win32ZoneSearch zoneSearch_;
  view::ZoneFinder zoneFinder_{form_, zoneSearch_};
  std::vector<WindowSubclass> zoneLists_;  // go before the lists do
  // The first half of a character typed beyond U+FFFF, while its second
  // half is awaited.
  wchar_t highSurrogate_ = 0;
};

}  // namespace tellux::win32
