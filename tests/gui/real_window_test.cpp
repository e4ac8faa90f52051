// The real Linux window on the real services (the tz database's catalogue,
// the kernel clock with a chosen machine zone, ICU in en_US, a settings file
// in a folder of the test's own): what a person does in it and what they see.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/linux/linux_clock.h"
#include "platform/linux/locale/icu_date_services.h"
#include "platform/linux/locale/icu_locale.h"
#include "platform/linux/qt/frm_time_view.h"
#include "platform/linux/settings/ini_settings.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/emulated_registry.h"
#include "platform/linux/zones/icu_zone_search.h"
#include "platform/linux/zones/machine_zone.h"
#include "tests/doubles/recording_message_box.h"
#include "tests/doubles/throwing_program_end.h"

namespace tellux {
namespace {

// The program's services as it builds them, but for the locale (en_US), the
// machine zone (America/New_York), the settings folder and a message box and
// program end the test can see.
class RealServices {
 public:
  explicit RealServices(const std::filesystem::path& configBase)
      : catalogue_("en_US", "/usr/share/zoneinfo"),
        registry_(catalogue_),
        clock_([this](TIME_ZONE_INFORMATION& info) {
          zoneinfo::MachineZoneSources sources = zoneinfo::MachineZoneSourcesFromEnvironment();
          zoneinfo::FillMachineZone(catalogue_, sources, info);
        }),
        locale_("en_US", "en_US"),
        dates_("en_US"),
        settings_(configBase) {}

  Services services() { return {registry_, clock_, locale_, dates_, settings_, messages, end}; }

  testing::RecordingMessageBox messages;
  testing::ThrowingProgramEnd end;

 private:
  zoneinfo::TzCatalogue catalogue_;
  zoneinfo::TzRegistry registry_;
  LinuxClock clock_;
  IcuLocale locale_;
  IcuDateServices dates_;
  IniSettings settings_;
};

class RealWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tellux-gui-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    base_ = pattern;
    setenv("TZ", "America/New_York", 1);
  }
  void TearDown() override {
    unsetenv("TZ");
    std::filesystem::remove_all(base_);
  }

  void Open() {
    view.reset();
    form.reset();
    real = std::make_unique<RealServices>(base_);
    form = std::make_unique<frmTime>(real->services());
    view = std::make_unique<QtFrmTimeView>(*form);
    view->Start();
  }

  // The zone list position whose display text contains text.
  int PositionOf(const std::string& text) const {
    const auto& items = form->ComboTZ[0].Items();
    for (std::size_t k = 0; k < items.size(); ++k) {
      if (items[k].find(text) != std::string::npos) return static_cast<int>(k);
    }
    return -1;
  }
  // Picks item position of panel's list with the keyboard, as a person may.
  void Pick(int panel, int position) {
    QComboBox& list = Combo(panel);
    list.setFocus();
    list.setCurrentIndex(position == 0 ? 1 : position - 1);
    QTest::keyClick(&list, position == 0 ? Qt::Key_Up : Qt::Key_Down);
  }
  QLineEdit& Edit(const TextBox& box) { return *view->LineEditFor(box); }
  QComboBox& Combo(int i) { return *view->ComboFor(form->ComboTZ[static_cast<std::size_t>(i)]); }
  std::string Shown(int panel) { return Edit(form->PanelBox(panel)).text().toStdString(); }

  std::filesystem::path base_;
  std::unique_ptr<RealServices> real;
  std::unique_ptr<frmTime> form;
  std::unique_ptr<QtFrmTimeView> view;
};

TEST_F(RealWindow, OpensOnTheSystemCatalogueAndConvertsWhatAPersonDoes) {
  Open();
  EXPECT_EQ(view->windowTitle(), "Tellux Time 2.3");
  ASSERT_GT(Combo(0).count(), 100);
  EXPECT_TRUE(real->messages.texts.empty());

  const int kolkata = PositionOf("Kolkata");
  const int newYork = PositionOf("New York");
  const int sydney = PositionOf("Sydney");
  const int utc = PositionOf("(UTC+00:00) Coordinated Universal Time");
  ASSERT_GE(kolkata, 0);
  ASSERT_GE(newYork, 0);
  ASSERT_GE(sydney, 0);
  ASSERT_GE(utc, 0);
  for (auto [panel, position] : {std::pair{0, utc}, {1, kolkata}, {2, newYork}}) {
    Pick(panel, position);
    EXPECT_EQ(form->ComboTZ[static_cast<std::size_t>(panel)].ListIndex(), position);
  }
  form->Timer1.Fire();  // seeds the panels

  // Typing 9:00 AM into the UTC panel shows the same instant in the others.
  QLineEdit& utcBox = Edit(form->Text0);
  utcBox.setFocus();
  utcBox.selectAll();
  QTest::keyClicks(&utcBox, "9:00 AM");
  EXPECT_EQ(form->PanelTime[0].wHour, 9);
  EXPECT_EQ(Shown(1), "2:30\u202FPM");  // India: UTC+5:30, no daylight saving
  const bool newYorkSummer = form->Catalogue.ZoneRule[static_cast<std::size_t>(newYork) + 1].InDaylight != 0;
  EXPECT_EQ(Shown(2), newYorkSummer ? "5:00\u202FAM" : "4:00\u202FAM");

  // The up arrow of the India panel moves every other panel on by an hour.
  QTest::mouseClick(view->UpButton(form->UpDown[1]), Qt::LeftButton);
  EXPECT_EQ(Shown(1), "3:30\u202FPM");
  EXPECT_EQ(Shown(0), "10:00\u202FAM");

  // Picking Sydney for panel 4 converts panel 0's time and colours the box
  // by Sydney's daylight saving at start-up.
  Pick(3, sydney);
  const bool sydneySummer = form->Catalogue.ZoneRule[static_cast<std::size_t>(sydney) + 1].InDaylight != 0;
  EXPECT_EQ(Shown(3), sydneySummer ? "9:00\u202FPM" : "8:00\u202FPM");
  const QColor base = Edit(form->Text3).palette().color(QPalette::Base);
  EXPECT_EQ(base == QColor(255, 255, 192), sydneySummer);
  EXPECT_EQ(Edit(form->Text1).palette().color(QPalette::Base) == QColor(255, 255, 192), false);
  EXPECT_TRUE(real->messages.texts.empty());
}

TEST_F(RealWindow, ClosingWritesTheSettingsFileAndTheNextStartShowsTheSameZones) {
  Open();
  const int kathmandu = PositionOf("Kathmandu");
  ASSERT_GE(kathmandu, 0);
  Pick(1, kathmandu);
  QTest::mouseClick(view->RadioFor(form->Option1[1]), Qt::LeftButton);
  std::string shown[4];
  for (int i = 0; i < 4; ++i) shown[i] = Combo(i).currentText().toStdString();
  EXPECT_THROW(view->CloseWindow(), testing::ProgramEnded);

  std::ifstream file(base_ / "TelluxTime" / "TelluxTime.ini");
  ASSERT_TRUE(file.good());
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("[Settings]"), std::string::npos);
  EXPECT_NE(text.str().find("TimeZone2=" + std::to_string(kathmandu)), std::string::npos);
  EXPECT_NE(text.str().find("Selection=2"), std::string::npos);

  Open();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Combo(i).currentText().toStdString(), shown[i]) << i;
  EXPECT_TRUE(form->Option1[1].Value());
}

// With the program's own zone search: a city is found in the entry of the
// zone that stands for it, whatever the entry is called.
TEST_F(RealWindow, ACityTypedIntoAListFindsTheZoneItLivesIn) {
  const IcuZoneSearch search("en_US");
  RealServices services(base_);
  frmTime window(services.services());
  QtFrmTimeView shown(window, search);
  shown.Start();
  const auto& items = window.ComboTZ[0].Items();
  const auto entry = [&](int position) { return items.at(static_cast<std::size_t>(position)); };

  QComboBox& fourth = *shown.ComboFor(window.ComboTZ[3]);
  fourth.setFocus();
  QTest::keyClicks(&fourth, "melbourne");
  EXPECT_NE(entry(window.ComboTZ[3].ListIndex()).find("(Sydney)"), std::string::npos);
  EXPECT_EQ(fourth.currentIndex(), window.ComboTZ[3].ListIndex());

  QComboBox& third = *shown.ComboFor(window.ComboTZ[2]);
  third.setFocus();
  QTest::keyClicks(&third, "ZÜR");
  EXPECT_NE(entry(window.ComboTZ[2].ListIndex()).find("(Berlin)"), std::string::npos);
  EXPECT_TRUE(services.messages.texts.empty());
}

}  // namespace
}  // namespace tellux
