// The built tellux-time.exe (its path in TELLUX_EXE) as Explorer's Details
// tab reads it: a version record whose numbers and texts are the project's
// version and name, and the clock icon. Run under Wine.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/code_page.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/windows_api.h"
#include "tellux_version.h"

namespace tellux::win32 {
namespace {

class BuiltProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* path = std::getenv("TELLUX_EXE");
    ASSERT_NE(path, nullptr) << "TELLUX_EXE names the program to read";
    exe = Utf8ToWide(path);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path << " has no version record";
    record.resize(size);
    ASSERT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, record.data()));
  }
  // A text of the English (United States), Unicode block; "" when absent.
  std::string Text(const wchar_t* name) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(record.data(), query.c_str(), &value, &length) || length == 0) return "";
    return WideToUtf8(static_cast<const wchar_t*>(value));
  }

  std::wstring exe;
  std::vector<unsigned char> record;
};

TEST_F(BuiltProgram, CarriesTheProjectsVersionInNumbers) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(record.data(), L"\\", &value, &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(HIWORD(fixed.dwFileVersionMS), TELLUX_VERSION_MAJOR);
  EXPECT_EQ(LOWORD(fixed.dwFileVersionMS), TELLUX_VERSION_MINOR);
  EXPECT_EQ(HIWORD(fixed.dwFileVersionLS), TELLUX_VERSION_PATCH);
  EXPECT_EQ(fixed.dwProductVersionMS, fixed.dwFileVersionMS);
  EXPECT_EQ(fixed.dwProductVersionLS, fixed.dwFileVersionLS);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(BuiltProgram, NamesItselfWithItsVersionDescriptionAndCopyright) {
  EXPECT_EQ(Text(L"ProductName"), "Tellux Time");
  EXPECT_EQ(Text(L"FileDescription"), "Tellux Time");
  EXPECT_EQ(Text(L"ProductVersion"), TELLUX_VERSION_TEXT);
  EXPECT_EQ(Text(L"FileVersion"), TELLUX_VERSION_TEXT);
  EXPECT_EQ(Text(L"Comments"), TELLUX_DESCRIPTION);
  EXPECT_EQ(Text(L"OriginalFilename"), "tellux-time.exe");
  EXPECT_NE(Text(L"LegalCopyright").find("Copyright"), std::string::npos);
  EXPECT_NE(Text(L"CompanyName"), "");
}

}  // namespace
}  // namespace tellux::win32
