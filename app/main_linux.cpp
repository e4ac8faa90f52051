// The program on Linux: the real services, the window's form and its Qt
// view. The program ends through the form (closing the window stores the
// user's choices and exits), so exec() returning is only a fallback.

#include <malloc.h>

#include <chrono>

#include <QApplication>
#include <QTimer>

#include "platform/linux/linux_platform.h"
#include "platform/linux/qt/frm_time_view.h"
#include "platform/linux/zones/environment.h"
#include "window/frm_time.h"
#if TELLUX_FIRST_PAINT_REPORT
#include "bench/first_paint_report.h"
#endif

int main(int argc, char** argv) {
  // Before the toolkit, or anything, asks the C library for a local time.
  tellux::zoneinfo::KeepTheCLibraryOffUnreadableZones();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tellux Time");
  // Ties the window to its desktop entry (the Wayland app id); TELLUX_APP_ID
  // is set where the install rules name the entry.
  QApplication::setDesktopFileName(QStringLiteral(TELLUX_APP_ID));

  // The zone catalogue and the ICU services are built here, before the
  // window is made: about 2 ms, the catalogue from the tz database and ICU,
  // the date patterns by ICU's pattern generator.
  tellux::LinuxPlatform platform;
  tellux::frmTime form(platform.services());
  tellux::QtFrmTimeView view(form, platform.zoneSearch());
  // The window has drawn the clock icon; the program's other windows (its
  // message box) show the same one rather than a second drawing of it.
  QApplication::setWindowIcon(view.windowIcon());
#if TELLUX_FIRST_PAINT_REPORT
  tellux::ReportFirstPaintIfAsked(view);
#endif
  view.Start();
  // Building the services and the window frees much of what it allocated
  // (ICU's pattern generator, the catalogue's scratch), and glibc keeps
  // those pages. Once the window is up they go back: the program is kept
  // open all day.
  QTimer::singleShot(std::chrono::seconds(1), [] { malloc_trim(0); });
  return QApplication::exec();
}
