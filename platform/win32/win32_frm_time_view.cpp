#include "platform/win32/win32_frm_time_view.h"

// commctrl.h needs windows.h first, which windows_api.h gives.
#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <string>
#include <utility>

#include "platform/win32/code_page.h"
#include "platform/win32/resource_ids.h"
#include "window/view_rules.h"

namespace tellux::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TelluxTimeWindow";
constexpr UINT_PTR kTimerId = 1;
constexpr int kFirstControlId = 100;
// What Ctrl+1..Ctrl+4 send, numbered past the controls' ids.
constexpr int kFirstCaptionCommand = 1000;
constexpr UINT_PTR kZoneListSubclassId = 1;
constexpr int kFontPoints = 8;      // the layout's captions are sized for 8 points
constexpr int kVisibleZones = 20;   // rows of an opened zone list

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetTextIfChanged(HWND hwnd, const std::string& utf8) {
  const std::wstring text = Utf8ToWide(utf8);
  if (TextOf(hwnd) != text) ::SetWindowTextW(hwnd, text.c_str());
}

bool IsSystemColor(ColorRef color) { return (color & 0x80000000u) != 0; }

// The keys choosing the caption row, as a table the message loop translates.
HACCEL CreateCaptionShortcuts() {
  ACCEL keys[4]{};
  for (int i = 0; i < 4; ++i) {
    keys[i] = {FVIRTKEY | FCONTROL, static_cast<WORD>('1' + i),
               static_cast<WORD>(kFirstCaptionCommand + i)};
  }
  return ::CreateAcceleratorTableW(keys, 4);
}

// Selects an edit's whole text with the caret at its start, so that a text
// a little wider than the box shows its beginning, not its end.
void SelectWhole(HWND edit) {
  ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(::GetWindowTextLengthW(edit)), 0);
  ::SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

// The window class, once per process; its icons are shared system copies
// that need no destroying.
void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = static_cast<HCURSOR>(::LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0,
                                                 LR_DEFAULTSIZE | LR_SHARED));
  wc.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(TELLUX_IDI_CLOCK), IMAGE_ICON,
                                             ::GetSystemMetrics(SM_CXICON),
                                             ::GetSystemMetrics(SM_CYICON), LR_SHARED));
  wc.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(TELLUX_IDI_CLOCK),
                                               IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                               ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kClassName;
  ::RegisterClassExW(&wc);  // fails harmlessly when an earlier view registered it
}

}  // namespace

Win32FrmTimeView::Win32FrmTimeView(frmTime& form, HINSTANCE instance)
    : form_(form), instance_(instance), accessibility_(std::make_unique<AccessibleNames>()) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  RegisterWindowClass(instance_, &WindowProc);

  window_.reset(::CreateWindowExW(0, kClassName, Utf8ToWide(form_.Caption()).c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  instance_, this));
  dpi_ = static_cast<int>(::GetDpiForWindow(window_.get()));
  if (dpi_ <= 0) {
    const HDC screen = ::GetDC(nullptr);
    dpi_ = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
  }
  UseFontForDpi();
  CreateControls();
  ListenToZoneLists();
  PlaceControls();
  AddToolTips();
  SetAccessibleNames();
  shortcuts_.reset(CreateCaptionShortcuts());

  for (const Binding& b : bindings_) {
    Refresh(b);
    b.control->ModelChanged = [this, &b] { Refresh(b); };
  }
  // The clock sets the caption every second, mostly to what it already is.
  form_.CaptionChanged = [this] {
    if (caption_.NeedsPush(form_.Caption())) ::SetWindowTextW(Window(), Utf8ToWide(form_.Caption()).c_str());
  };
}

Win32FrmTimeView::~Win32FrmTimeView() {
  ::KillTimer(Window(), kTimerId);
  for (const Binding& b : bindings_) b.control->ModelChanged = nullptr;
  form_.CaptionChanged = nullptr;
  accessibility_.reset();
  zoneLists_.clear();
  // What the controls send while they are destroyed is no user's doing.
  ::SetWindowLongPtrW(Window(), GWLP_USERDATA, 0);
  window_.reset();  // takes its children with it, before the font they use
}

int Win32FrmTimeView::TwipsToPixels(int twips, int dpi) { return view::TwipsToPixels(twips, dpi); }

void Win32FrmTimeView::UseFontForDpi() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                    static_cast<UINT>(dpi_))) {
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  }
  // The message font's face at the size the layout was made for.
  metrics.lfMessageFont.lfHeight = -::MulDiv(kFontPoints, dpi_, 72);
  metrics.lfMessageFont.lfWidth = 0;
  font_.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
}

void Win32FrmTimeView::CreateControls() {
  // Creation order is z-order, which is what Tab and the option group
  // follow: first the tab stops by tab index, then the option buttons (one
  // unbroken group), then the rest in layout order, where each label comes
  // just before the box it names (a screen reader names a box by the label
  // before it) and the frame before what it holds. Controls inside the frame
  // are its siblings, so their notifications reach this window.
  std::vector<Control*> order;
  std::vector<Control*> options;
  std::vector<Control*> rest;
  for (Control* c : form_.Controls()) {
    if (c->Kind() == ControlKind::kTimer) continue;
    if (c->tabStop) {
      order.push_back(c);
    } else if (c->Kind() == ControlKind::kOptionButton) {
      options.push_back(c);
    } else {
      rest.push_back(c);
    }
  }
  const auto itself = [](const Control& c) -> const Control& { return c; };
  view::SortByTabIndex(order, itself);
  view::SortByTabIndex(options, itself);
  order.insert(order.end(), options.begin(), options.end());
  order.insert(order.end(), rest.begin(), rest.end());

  bool firstOption = true;
  int id = kFirstControlId;
  bindings_.reserve(order.size());
  for (Control* c : order) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    const wchar_t* windowClass = WC_STATICW;
    std::wstring text;
    switch (c->Kind()) {
      case ControlKind::kTextBox:
        windowClass = WC_EDITW;
        style |= ES_AUTOHSCROLL | ES_LEFT;
        exStyle |= WS_EX_CLIENTEDGE;
        break;
      case ControlKind::kComboBox:
        windowClass = WC_COMBOBOXW;
        style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        break;
      case ControlKind::kOptionButton:
        windowClass = WC_BUTTONW;
        style |= BS_AUTORADIOBUTTON;
        if (firstOption) style |= WS_GROUP;
        firstOption = false;
        text = Utf8ToWide(static_cast<OptionButton*>(c)->caption);
        break;
      case ControlKind::kSpin:
        // Up and Down in its box are its arrows (see LendArrowKeys).
        windowClass = UPDOWN_CLASSW;
        style |= UDS_ARROWKEYS;
        break;
      case ControlKind::kLabel:
        style |= SS_LEFT | SS_NOPREFIX;
        text = Utf8ToWide(static_cast<Label*>(c)->caption);
        break;
      case ControlKind::kFrame:
        windowClass = WC_BUTTONW;
        style |= BS_GROUPBOX;
        text = Utf8ToWide(static_cast<Label*>(c)->caption);
        break;
      case ControlKind::kTimer:
        continue;
    }
    // Any other control after the option buttons ends their group.
    if (c->Kind() != ControlKind::kOptionButton) style |= WS_GROUP;
    if (c->tabStop) style |= WS_TABSTOP;
    const HWND hwnd = ::CreateWindowExW(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0,
                                        Window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                        instance_, nullptr);
    if (c->Kind() == ControlKind::kSpin) {
      // A range of 0..2 held at 1 never reaches a limit, and with the lower
      // limit below the upper the up arrow always proposes +1, the down
      // arrow -1 (the control's default range runs the other way).
      ::SendMessageW(hwnd, UDM_SETRANGE32, 0, 2);
      ::SendMessageW(hwnd, UDM_SETPOS32, 0, 1);
    }
    if (c->Kind() == ControlKind::kComboBox) {
      ::SendMessageW(hwnd, CB_SETMINVISIBLE, kVisibleZones, 0);
    }
    ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    bindings_.push_back({c, hwnd, id++, kColorWindow});
  }
}

void Win32FrmTimeView::LendArrowKeys(const Control& box, bool focused) {
  // The box is the spin's buddy only while it has the focus: a spin puts the
  // focus into its buddy when clicked, which would take it from the box the
  // user is in. Only the arrow keys: without UDS_SETBUDDYINT the spin never
  // writes its number into the box, and without UDS_ALIGN* it moves
  // nothing; the keys come as UDN_DELTAPOS, as its buttons do.
  const SpinControl* spin = view::SpinBeside(form_, box);
  if (spin == nullptr) return;
  const HWND buddy = focused ? HandleFor(box) : nullptr;
  ::SendMessageW(HandleFor(*spin), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

void Win32FrmTimeView::ListenToZoneLists() {
  for (const ComboBox& list : form_.ComboTZ) {
    zoneLists_.emplace_back(HandleFor(list), &ZoneListProc, kZoneListSubclassId,
                            reinterpret_cast<DWORD_PTR>(this));
  }
}

RECT Win32FrmTimeView::PixelRect(const TwipsRect& bounds, const Control* container) const {
  // Controls inside the frame are the window's children, placed within it.
  const TwipsRect placed{bounds.left + (container != nullptr ? container->bounds.left : 0),
                         bounds.top + (container != nullptr ? container->bounds.top : 0),
                         bounds.width, bounds.height};
  const view::PixelEdges e = view::ScaleEdges(placed, dpi_, dpi_);
  return {e.left, e.top, e.right, e.bottom};
}

void Win32FrmTimeView::PlaceControls() {
  for (const Binding& b : bindings_) {
    const RECT r = PixelRect(b.control->bounds, b.control->container);
    int height = r.bottom - r.top;
    // A combo box's window includes its opened list.
    if (b.control->Kind() == ControlKind::kComboBox) height += kVisibleZones * height;
    ::SendMessageW(b.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    ::SetWindowPos(b.hwnd, nullptr, r.left, r.top, r.right - r.left, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const view::PixelEdges client = view::ScaleEdges(view::InitialClientArea(), dpi_, dpi_);
  RECT frame{client.left, client.top, client.right, client.bottom};
  ::AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, static_cast<UINT>(dpi_));
  ::SetWindowPos(Window(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrmTimeView::AddToolTips() {
  const HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Window(),
                                      nullptr, instance_, nullptr);
  if (tips == nullptr) return;  // owned by the window: destroyed with it
  toolTips_ = tips;
  ::SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, TwipsToPixels(4500, dpi_));
  for (const Binding& b : bindings_) {
    if (b.control->toolTipText.empty()) continue;
    std::wstring text = Utf8ToWide(b.control->toolTipText);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Window();
    tool.uId = reinterpret_cast<UINT_PTR>(b.hwnd);
    tool.lpszText = text.data();  // copied by the control
    ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Win32FrmTimeView::SetAccessibleNames() {
  for (const Binding& b : bindings_) {
    if (b.control->accessibleName.empty()) continue;
    accessibility_->Name(b.hwnd, view::AccessibleNameOf(*b.control));
  }
}

void Win32FrmTimeView::Refresh(const Binding& b) {
  const bool wasWriting = std::exchange(programWriting_, true);
  switch (b.control->Kind()) {
    case ControlKind::kTextBox:
      RefreshText(b);
      break;
    case ControlKind::kComboBox:
      RefreshCombo(b);
      break;
    case ControlKind::kOptionButton: {
      const auto& option = static_cast<const OptionButton&>(*b.control);
      SetTextIfChanged(b.hwnd, option.caption);
      ::SendMessageW(b.hwnd, BM_SETCHECK, option.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
      // A radio button makes itself a tab stop when checked; these are not.
      if (!option.tabStop) {
        const LONG_PTR style = ::GetWindowLongPtrW(b.hwnd, GWL_STYLE);
        if ((style & WS_TABSTOP) != 0) ::SetWindowLongPtrW(b.hwnd, GWL_STYLE, style & ~WS_TABSTOP);
      }
      break;
    }
    case ControlKind::kLabel:
    case ControlKind::kFrame:
      SetTextIfChanged(b.hwnd, static_cast<const Label&>(*b.control).caption);
      break;
    case ControlKind::kSpin:
    case ControlKind::kTimer:
      break;
  }
  programWriting_ = wasWriting;
}

void Win32FrmTimeView::RefreshText(const Binding& b) {
  const auto& box = static_cast<const TextBox&>(*b.control);
  const std::wstring text = Utf8ToWide(box.Text());
  if (TextOf(b.hwnd) != text) {
    if (::GetFocus() == b.hwnd) {
      // The user may be typing here: the caret stays where it was, and a
      // box whose whole text was selected (as the first tick finds Text0)
      // stays ready to be typed over.
      DWORD start = 0;
      DWORD end = 0;
      ::SendMessageW(b.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
      const bool wholeSelected =
          start == 0 && end > 0 && end == static_cast<DWORD>(::GetWindowTextLengthW(b.hwnd));
      ::SetWindowTextW(b.hwnd, text.c_str());
      if (wholeSelected) {
        SelectWhole(b.hwnd);
      } else {
        const auto caret = static_cast<WPARAM>(view::CaretAfterRewrite(start, text.size()));
        ::SendMessageW(b.hwnd, EM_SETSEL, caret, static_cast<LPARAM>(caret));
      }
    } else {
      ::SetWindowTextW(b.hwnd, text.c_str());
    }
  }
  if (box.BackColor() != b.shownColor) {
    b.shownColor = box.BackColor();
    ::InvalidateRect(b.hwnd, nullptr, TRUE);
    // Daylight saving is told by more than the colour.
    if (!box.accessibleName.empty()) accessibility_->Rename(b.hwnd, view::AccessibleNameOf(box));
  }
}

void Win32FrmTimeView::RefreshCombo(const Binding& b) {
  const auto& combo = static_cast<const ComboBox&>(*b.control);
  const auto shown = static_cast<int>(::SendMessageW(b.hwnd, CB_GETCOUNT, 0, 0));
  const int have = view::ItemsToKeep(shown, combo.ListCount());
  if (have < shown) ::SendMessageW(b.hwnd, CB_RESETCONTENT, 0, 0);
  for (int i = have; i < combo.ListCount(); ++i) {
    ::SendMessageW(b.hwnd, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(Utf8ToWide(combo.List(i)).c_str()));
  }
  // Setting the selection from here sends no CBN_SELCHANGE.
  if (::SendMessageW(b.hwnd, CB_GETCURSEL, 0, 0) != combo.ListIndex()) {
    ::SendMessageW(b.hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
  }
}

void Win32FrmTimeView::Start(int showCommand) {
  form_.Form_Load();
  ::ShowWindow(Window(), showCommand);
  ::UpdateWindow(Window());
  ::SetTimer(Window(), kTimerId, static_cast<UINT>(form_.Timer1.interval), nullptr);
}

int Win32FrmTimeView::RunMessageLoop() {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateKey(message)) continue;
    if (!::IsDialogMessageW(Window(), &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

bool Win32FrmTimeView::TranslateKey(MSG& message) {
  // Only keys pressed in this window; another window of the thread (a
  // message box) keeps its own.
  if (message.hwnd != Window() && !::IsChild(Window(), message.hwnd)) return false;
  return ::TranslateAcceleratorW(Window(), shortcuts_.get(), &message) != 0;
}

HWND Win32FrmTimeView::HandleFor(const Control& control) const {
  const Binding* b = Find(control);
  return b != nullptr ? b->hwnd : nullptr;
}

const Win32FrmTimeView::Binding* Win32FrmTimeView::Find(const Control& control) const {
  for (const Binding& b : bindings_) {
    if (b.control == &control) return &b;
  }
  return nullptr;
}

const Win32FrmTimeView::Binding* Win32FrmTimeView::FindId(int id) const {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(bindings_.size())) return nullptr;
  return &bindings_[static_cast<std::size_t>(index)];
}

void Win32FrmTimeView::OnCommand(int id, int code, HWND from) {
  // An accelerator's command comes from no control, with code 1.
  if (from == nullptr && code == 1) {
    OnShortcut(id);
    return;
  }
  const Binding* b = FindId(id);
  if (b == nullptr) return;
  Control* c = b->control;
  if (c->Kind() == ControlKind::kTextBox && (code == EN_SETFOCUS || code == EN_KILLFOCUS)) {
    LendArrowKeys(*c, code == EN_SETFOCUS);
  }
  // Followed as it moves, since minimising can take the focus away without
  // a deactivation that would tell where it was (see OnActivate).
  if ((c->Kind() == ControlKind::kTextBox && code == EN_SETFOCUS) ||
      (c->Kind() == ControlKind::kComboBox && code == CBN_SETFOCUS)) {
    focusToRestore_ = b->hwnd;
    return;
  }
  if (programWriting_) return;
  switch (c->Kind()) {
    case ControlKind::kTextBox: {
      auto* box = static_cast<TextBox*>(c);
      if (code == EN_CHANGE) {
        const std::string text = WideToUtf8(TextOf(b->hwnd));
        form_.RaiseUserEvent([&] { box->UserEdit(text); });
      } else if (code == EN_KILLFOCUS && ::IsChild(Window(), ::GetFocus())) {
        // Another program taking the keyboard leaves the focus in the box;
        // only moving on within the window is leaving it.
        form_.RaiseUserEvent([&] { box->UserLeave(); });
      }
      break;
    }
    case ControlKind::kComboBox:
      if (code == CBN_SELCHANGE) {
        auto* combo = static_cast<ComboBox*>(c);
        const auto position = static_cast<int>(::SendMessageW(b->hwnd, CB_GETCURSEL, 0, 0));
        form_.RaiseUserEvent([&] { combo->UserSelect(position); });
      }
      break;
    case ControlKind::kOptionButton:
      if (code == BN_CLICKED) {
        auto* option = static_cast<OptionButton*>(c);
        form_.RaiseUserEvent([&] { option->UserClick(); });
      }
      break;
    default:
      break;
  }
}

void Win32FrmTimeView::OnShortcut(int id) {
  const int row = id - kFirstCaptionCommand;
  if (row < 0 || row >= static_cast<int>(form_.Option1.size())) return;
  OptionButton& option = form_.Option1[static_cast<std::size_t>(row)];
  form_.RaiseUserEvent([&] { option.UserClick(); });
}

LRESULT Win32FrmTimeView::OnNotify(const NMHDR& header) {
  const Binding* b = FindId(static_cast<int>(header.idFrom));
  if (b == nullptr || header.code != UDN_DELTAPOS) return 0;
  auto* spin = static_cast<SpinControl*>(b->control);
  const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
  // See CreateControls: a positive delta is the up arrow.
  if (change.iDelta > 0) {
    form_.RaiseUserEvent([&] { spin->UserUp(); });
  } else if (change.iDelta < 0) {
    form_.RaiseUserEvent([&] { spin->UserDown(); });
  }
  return TRUE;  // the position stays at 1
}

HBRUSH Win32FrmTimeView::BrushFor(ColorRef color) {
  UniqueHbrush& brush = brushes_[color];
  if (!brush) brush.reset(::CreateSolidBrush(color));
  return brush.get();
}

LRESULT Win32FrmTimeView::OnCtlColor(HDC dc, HWND control) {
  // The DC comes with black text whatever the theme: the text colour is set
  // here as well as the background, as DefWindowProc would.
  const ColorRef themeText = ::GetSysColor(COLOR_WINDOWTEXT);
  for (const Binding& b : bindings_) {
    if (b.hwnd != control || b.control->Kind() != ControlKind::kTextBox) continue;
    const ColorRef color = static_cast<const TextBox&>(*b.control).BackColor();
    if (IsSystemColor(color)) break;
    ::SetTextColor(dc, view::ReadableTextColor(color, themeText));
    ::SetBkColor(dc, color);
    return reinterpret_cast<LRESULT>(BrushFor(color));
  }
  // Every other box, a zone list's face and its opened list.
  ::SetTextColor(dc, themeText);
  ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

void Win32FrmTimeView::OnSystemColors(WPARAM wParam, LPARAM lParam) {
  // Only top-level windows are told; the common controls learn it from us.
  for (const Binding& b : bindings_) ::SendMessageW(b.hwnd, WM_SYSCOLORCHANGE, wParam, lParam);
  if (toolTips_ != nullptr) ::SendMessageW(toolTips_, WM_SYSCOLORCHANGE, wParam, lParam);
  RepaintAll();
}

void Win32FrmTimeView::RepaintAll() {
  ::RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool Win32FrmTimeView::OnZoneChar(HWND list, wchar_t unit, LPARAM lParam) {
  // A character past U+FFFF comes in two halves: the first waits here.
  if (IS_HIGH_SURROGATE(unit)) {
    highSurrogate_ = unit;
    return true;
  }
  const wchar_t high = std::exchange(highSurrogate_, L'\0');
  std::wstring typed(1, unit);
  if (high != L'\0' && IS_LOW_SURROGATE(unit)) typed.insert(typed.begin(), high);
  for (std::size_t i = 0; i < form_.ComboTZ.size(); ++i) {
    if (HandleFor(form_.ComboTZ[i]) != list) continue;
    // The message's time, in milliseconds since the system started.
    const auto at = static_cast<std::int64_t>(static_cast<DWORD>(::GetMessageTime()));
    if (!zoneFinder_.Type(static_cast<int>(i), WideToUtf8(typed), at)) break;
    // A pick by typing is the user's, which the model does not echo: the
    // list is shown the entry found.
    Refresh(*Find(form_.ComboTZ[i]));
    return true;
  }
  // Not the search's: the list has the whole character, the held half first.
  if (typed.size() == 2) ::DefSubclassProc(list, WM_CHAR, high, lParam);
  return false;
}

void Win32FrmTimeView::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  UseFontForDpi();
  PlaceControls();
  ::SetWindowPos(Window(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrmTimeView::OnClose() {
  ::KillTimer(Window(), kTimerId);
  std::int16_t cancel = 0;
  form_.Form_Unload(cancel);  // stores the choices and ends the program
}

void Win32FrmTimeView::OnActivate(bool active, bool minimized) {
  if (!active) {
    // Asked before the focus goes, so it still names the control. Switching
    // away is not leaving the box (see OnCommand): its focus-loss handling
    // waits until the user moves on inside the window.
    const HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(Window(), focus)) focusToRestore_ = focus;
    return;
  }
  // A minimised window keeps the focus on itself; WM_SETFOCUS hands it on
  // when it is restored.
  if (!minimized) GiveFocusBack();
}

void Win32FrmTimeView::GiveFocusBack() {
  HWND target = focusToRestore_;
  if (target != nullptr && ::IsChild(Window(), target) && ::IsWindowVisible(target) &&
      ::IsWindowEnabled(target)) {
    if (::GetFocus() != target) ::SetFocus(target);  // its caret and selection as they were
    return;
  }
  if (::IsChild(Window(), ::GetFocus())) return;
  // The first tab stop, with its text selected so that typing replaces it,
  // as a dialog box opens.
  target = HandleFor(form_.Text0);
  ::SetFocus(target);
  SelectWhole(target);
}

LRESULT Win32FrmTimeView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      // Instead of DefWindowProc, which would put the focus on the window
      // itself, where typing goes nowhere.
      OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
      return 0;
    case WM_SETFOCUS:
      GiveFocusBack();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SYSCOLORCHANGE:
      OnSystemColors(wParam, lParam);
      return 0;
    case WM_THEMECHANGED:
      RepaintAll();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) form_.RaiseUserEvent([&] { form_.Timer1.Fire(); });
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    default:
      return ::DefWindowProcW(Window(), message, wParam, lParam);
  }
}

LRESULT CALLBACK Win32FrmTimeView::ZoneListProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR view) {
  // A key the search took is kept from the list's own type-ahead.
  auto* self = reinterpret_cast<Win32FrmTimeView*>(view);
  if (message == WM_CHAR && self->OnZoneChar(hwnd, static_cast<wchar_t>(wParam), lParam)) return 0;
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32FrmTimeView::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* view = reinterpret_cast<Win32FrmTimeView*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Until CreateWindowEx returns, and while the window is being destroyed,
  // the view has nothing to add.
  if (view == nullptr || view->Window() != hwnd) {
    if (message == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return view->Handle(message, wParam, lParam);
}

}  // namespace tellux::win32
