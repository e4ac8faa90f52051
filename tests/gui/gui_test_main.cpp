// One QApplication for every GUI test. It is made when the tests run, not
// when they are only listed, and on the offscreen platform unless told
// otherwise, so no display is needed.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
 public:
  explicit QtApplicationEnvironment(char* program) : argv_{program, nullptr} {}

  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;  // QApplication keeps references to both
  char* argv_[2];
  std::unique_ptr<QApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment(argv[0]));
  return RUN_ALL_TESTS();
}
