// The keyboard in the shown native window, under Wine: where the focus is
// when the window opens, where Tab takes it, what leaving a box by Tab does
// to its text and the other rows, and that switching to another program and
// back leaves the focus where the user had it.

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/win32/code_page.h"
#include "tests/doubles/call_counter.h"
#include "tests/platform/win32/active_window.h"
#include "tests/platform/win32/window_text.h"

namespace tellux::win32 {
namespace {

using testing::CallCounter;

// A top-level window of another thread, standing for another program the
// user switches to.
class OtherProgram {
 public:
  OtherProgram() {
    thread_ = std::thread([this] {
      const HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"Another program",
                                          WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                          nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
      {
        std::lock_guard lock(mutex_);
        hwnd_ = hwnd;
        threadId_ = ::GetCurrentThreadId();
      }
      ready_.notify_one();
      MSG message{};
      while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
      ::DestroyWindow(hwnd);
    });
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return threadId_ != 0; });
  }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;
  ~OtherProgram() {
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND Window() const { return hwnd_; }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  HWND hwnd_ = nullptr;
  DWORD threadId_ = 0;
  std::thread thread_;
};

TEST_F(ActiveWindow, OpensWithTheKeyboardInTheFirstTimeBoxReadyToBeTypedOver) {
  ASSERT_EQ(::GetActiveWindow(), view->Window());
  EXPECT_EQ(Focus(), "Text0");
  // The first tick has written the time; what the user types replaces it.
  ASSERT_EQ(TextOf(Hwnd(form->Text0)), form->Text0.Text());
  DWORD start = 1;
  DWORD end = 0;
  ::SendMessageW(Hwnd(form->Text0), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, form->Text0.Text().size());
  Type("9:30");
  EXPECT_EQ(form->Text0.Text(), "9:30");
  EXPECT_EQ(TextOf(Hwnd(form->Text0)), "9:30");
}

TEST_F(ActiveWindow, TabGoesFromTheLastTimeBoxToTheFirstZoneListAndShiftTabBack) {
  for (const char* next : {"Text1", "Text2", "Text3", "ComboTZ(0)"}) {
    Press(VK_TAB);
    EXPECT_EQ(Focus(), next);
  }
  Press(VK_TAB, true);
  EXPECT_EQ(Focus(), "Text3");
  for (int i = 0; i < 4; ++i) Press(VK_TAB, true);
  EXPECT_EQ(Focus(), "ComboTZ(3)");  // Shift+Tab from Text0 wraps round
  Press(VK_TAB);
  EXPECT_EQ(Focus(), "Text0");
}

TEST_F(ActiveWindow, LeavingABoxByTabTidiesItAndConvertsTheOtherRowsAgain) {
  Press(VK_TAB);
  ASSERT_EQ(Focus(), "Text1");
  CallCounter leaves(form->Text1.LostFocus);
  Type("7:05:59 pm");  // the locale writes "PM": typed, this counts as morning
  EXPECT_EQ(TextOf(Hwnd(form->Text1)), "7:05:59 pm");  // typing is left alone
  EXPECT_EQ(form->PanelTime[1].wHour, 7);
  const std::string text0Morning = form->Text0.Text();

  Press(VK_TAB);
  EXPECT_EQ(Focus(), "Text2");
  EXPECT_EQ(leaves.calls, 1);
  EXPECT_EQ(TextOf(Hwnd(form->Text1)), "7:05 PM");  // seconds dropped, "pm" read again
  EXPECT_EQ(form->PanelTime[1].wHour, 19);
  EXPECT_EQ(form->PanelTime[1].wMinute, 5);
  EXPECT_NE(form->Text0.Text(), text0Morning);
  for (int i : {0, 2, 3}) EXPECT_EQ(TextOf(Hwnd(form->PanelBox(i))), form->PanelBox(i).Text()) << i;
}

TEST_F(ActiveWindow, SwitchingToAnotherProgramAndBackGivesTheFocusBackWithoutLeavingTheBox) {
  Press(VK_TAB);
  Press(VK_TAB);
  ASSERT_EQ(Focus(), "Text2");
  Type("16:40:59");
  CallCounter leaves(form->Text2.LostFocus);
  {
    OtherProgram other;
    ASSERT_TRUE(::SetForegroundWindow(other.Window()));
    Pump();
    EXPECT_NE(::GetActiveWindow(), view->Window());
    EXPECT_EQ(leaves.calls, 0);
    EXPECT_EQ(TextOf(Hwnd(form->Text2)), "16:40:59");

    ASSERT_TRUE(::SetForegroundWindow(view->Window()));
    Pump();
  }
  EXPECT_EQ(::GetActiveWindow(), view->Window());
  EXPECT_EQ(Focus(), "Text2");
  EXPECT_EQ(leaves.calls, 0);

  // The box is still the one being left when the user moves on.
  Press(VK_TAB);
  EXPECT_EQ(leaves.calls, 1);
  EXPECT_EQ(TextOf(Hwnd(form->Text2)), "4:40 PM");
}

TEST_F(ActiveWindow, MinimisingAndRestoringGivesTheFocusBack) {
  for (int i = 0; i < 4; ++i) Press(VK_TAB);
  ASSERT_EQ(Focus(), "ComboTZ(0)");
  ::ShowWindow(view->Window(), SW_MINIMIZE);
  Pump();
  ::ShowWindow(view->Window(), SW_RESTORE);
  Pump();
  EXPECT_EQ(Focus(), "ComboTZ(0)");
}

}  // namespace
}  // namespace tellux::win32
