#include "ui/win32/program_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/win32/wide_text.h"

namespace qinghe::win32 {
namespace {

// What the program does with its own path: the ANSI text of the path (code page 936) is read as
// wide text, then cut at the last backslash.
std::wstring directoryOfGbkPath(const std::wstring& path) {
  return directoryOfPath(wideFromGbk(gbkFromWide(path).bytes()));
}

TEST(ProgramDirectory, CutsAtTheLastBackslash) {
  struct Case {
    const wchar_t* path;
    const wchar_t* directory;
  };
  const Case cases[] = {
      {L"C:\\Tools\\qinghe-keygen.exe", L"C:\\Tools"},
      {L"C:\\qinghe-keygen.exe", L"C:"},
      {L"qinghe-keygen.exe", L""},
      {L"\\\\server\\share\\青禾\\qinghe-keygen.exe", L"\\\\server\\share\\青禾"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(directoryOfGbkPath(c.path), c.directory) << "path " << testing::PrintToString(c.path);
  }
}

// In code page 936, 乗 and 嘰 end in the byte of the backslash; a byte-wise search for the last
// backslash would cut inside them.
TEST(ProgramDirectory, ADoubleByteCharacterEndingInTheBackslashByteIsNotASeparator) {
  const std::wstring path = L"D:\\工具乗\\嘰\\qinghe-keygen.exe";
  const GbkText gbkPath = gbkFromWide(path);
  const std::string_view bytes = gbkPath.bytes();
  ASSERT_GT(std::count(bytes.begin(), bytes.end(), '\\'),
            std::count(path.begin(), path.end(), L'\\'))
      << "the fixture must hold trail bytes that look like backslashes";

  EXPECT_EQ(directoryOfGbkPath(path), L"D:\\工具乗\\嘰");
  EXPECT_EQ(directoryOfGbkPath(L"D:\\工具乗\\a.exe"), L"D:\\工具乗");
}

TEST(ProgramDirectory, TheRunningProgramLiesInTheFolderFound) {
  const std::wstring path = programFilePath();
  ASSERT_FALSE(path.empty());
  const std::wstring directory = directoryOfPath(path);
  EXPECT_NE(GetFileAttributesW(directory.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0U);
  EXPECT_EQ(path.substr(directory.size() + 1), L"qh_win32_tests.exe");
}

}  // namespace
}  // namespace qinghe::win32
