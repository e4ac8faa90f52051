// The window's start: the hidden window is drawn once the form has loaded,
// whatever way the load ends, and draws every change after that at once.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <stdexcept>

#include "platform/linux/qt/frm_time_view.h"
#include "tests/doubles/test_services.h"
#include "tests/doubles/zone_fixtures.h"

namespace tellux {
namespace {

// A message box whose showing fails with an error no handler traps, so the
// load stops half-way through.
class FailingMessageBox final : public MessageBoxService {
 public:
  void Show(std::string_view, std::string_view) override { throw std::runtime_error("no display"); }
};

TEST(QtFrmTimeViewStart, TheLoadedFormIsDrawnBeforeTheWindowShows) {
  testing::TestServices env;
  testing::AddSevenZones(env.registry);
  frmTime form(env.services());
  QtFrmTimeView view(form);
  view.Start();
  for (std::size_t i = 0; i < 4; ++i) {
    const QComboBox& combo = *view.ComboFor(form.ComboTZ[i]);
    ASSERT_EQ(combo.count(), form.ComboTZ[i].ListCount());
    EXPECT_EQ(combo.currentIndex(), form.ComboTZ[i].ListIndex());
    EXPECT_EQ(combo.itemText(combo.count() - 1).toStdString(), form.ComboTZ[i].Items().back());
  }
  EXPECT_EQ(view.LineEditFor(form.txtTZBias)->text().toStdString(), form.txtTZBias.Text());
  EXPECT_EQ(view.LineEditFor(form.txtAdjust)->text().toStdString(), form.txtAdjust.Text());
}

TEST(QtFrmTimeViewStart, ALoadThatFailsLeavesTheWindowDrawingTheModel) {
  testing::TestServices env;
  env.registry.catalogueMissing = true;  // the load shows a message
  FailingMessageBox messages;
  const Services services{env.registry, env.clock, env.locale, env.dates,
                          env.settings, messages,  env.end};
  frmTime form(services);
  QtFrmTimeView view(form);

  EXPECT_THROW(view.Start(), std::runtime_error);
  // What the load set before it failed is drawn ...
  EXPECT_FALSE(form.txtAdjust.Text().empty());
  EXPECT_EQ(view.LineEditFor(form.txtAdjust)->text().toStdString(), form.txtAdjust.Text());
  // ... and so is what the program sets afterwards, at once.
  form.txtTZBias.SetText("-5.5 hours");
  EXPECT_EQ(view.LineEditFor(form.txtTZBias)->text(), "-5.5 hours");
}

}  // namespace
}  // namespace tellux
