#include "ui/win32/atomic_file_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "generation/password_texts.h"
#include "ui/win32/system_error_text.h"

namespace qinghe::win32 {
namespace {

// A fresh folder for each test; its name mixes Chinese with Hangul, which code page 936 cannot
// spell, so only wide paths reach it.
class AtomicFileWriterTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t base[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, base), 0U);
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    folder_ =
        std::wstring(base) + L"写入测试한글-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
        std::wstring(test->name(), test->name() + std::char_traits<char>::length(test->name()));
    removeFolder();
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << GetLastError();
  }
  void TearDown() override { removeFolder(); }

  [[nodiscard]] std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }

  [[nodiscard]] std::vector<std::wstring> namesInFolder() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
      return names;
    }
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") {
        names.push_back(name);
      }
    } while (FindNextFileW(search, &found) != FALSE);
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  static std::string contentOf(const std::wstring& file) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      return "<cannot open>";
    }
    std::string content(static_cast<std::size_t>(GetFileSize(handle, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(handle, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    CloseHandle(handle);
    content.resize(read);
    return content;
  }

  static void putFile(const std::wstring& file, const std::string& content) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(handle);
  }

 private:
  void removeFolder() const {
    for (const std::wstring& name : namesInFolder()) {
      SetFileAttributesW(path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path(name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring folder_;
};

TEST_F(AtomicFileWriterTest, WritesExactlyTheBytesAndLeavesNothingElse) {
  // Code page 936 bytes, CR LF, an embedded NUL: written as they are, nothing added.
  const std::string mark(password_texts::gbk::kPasswordMark);
  const std::string bytes = "\r\nId1          " + mark + "abc" + mark + "\r\n" + '\0' + "end";
  const FileWriteResult result = writeFileReplacing(path(L"key新.txt"), bytes);
  ASSERT_TRUE(result.written) << "error " << result.error;
  EXPECT_EQ(contentOf(path(L"key新.txt")), bytes);
  EXPECT_EQ(namesInFolder(), std::vector<std::wstring>{L"key新.txt"});
}

TEST_F(AtomicFileWriterTest, AnEmptyReportGivesAnEmptyFile) {
  ASSERT_TRUE(writeFileReplacing(path(L"empty.txt"), "").written);
  EXPECT_EQ(contentOf(path(L"empty.txt")), "");
}

TEST_F(AtomicFileWriterTest, ReplacesALongerFileWithNothingOfItLeft) {
  putFile(path(L"old.txt"), std::string(100000, 'X'));
  ASSERT_TRUE(writeFileReplacing(path(L"old.txt"), "short").written);
  EXPECT_EQ(contentOf(path(L"old.txt")), "short");
  EXPECT_EQ(namesInFolder(), std::vector<std::wstring>{L"old.txt"});
}

// Every failure leaves the folder as it was: the old file whole, no temporary file.
TEST_F(AtomicFileWriterTest, AFailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
  putFile(path(L"kept.txt"), "old content");
  ASSERT_TRUE(SetFileAttributesW(path(L"kept.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  const FileWriteResult readOnly = writeFileReplacing(path(L"kept.txt"), "new content");
  EXPECT_FALSE(readOnly.written);
  EXPECT_EQ(readOnly.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  SetFileAttributesW(path(L"kept.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(contentOf(path(L"kept.txt")), "old content");
  EXPECT_EQ(namesInFolder(), std::vector<std::wstring>{L"kept.txt"});

  // The move itself fails after the whole batch went to the temporary file: a folder of the
  // target's name cannot be replaced by a file.
  ASSERT_TRUE(CreateDirectoryW(path(L"folder.txt").c_str(), nullptr));
  const FileWriteResult overFolder = writeFileReplacing(path(L"folder.txt"), "new content");
  EXPECT_FALSE(overFolder.written);
  EXPECT_NE(overFolder.error, static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_NE(GetFileAttributesW(path(L"folder.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0U);
  EXPECT_EQ(namesInFolder(), (std::vector<std::wstring>{L"folder.txt", L"kept.txt"}));
  RemoveDirectoryW(path(L"folder.txt").c_str());
}

TEST_F(AtomicFileWriterTest, AMissingFolderOrNoPathIsAFailureThatTouchesNothing) {
  const FileWriteResult missing = writeFileReplacing(path(L"no such folder\\a.txt"), "x");
  EXPECT_FALSE(missing.written);
  EXPECT_EQ(missing.error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(systemErrorText(missing.error).empty());
  EXPECT_FALSE(writeFileReplacing(L"", "x").written);
  EXPECT_TRUE(namesInFolder().empty());
}

}  // namespace
}  // namespace qinghe::win32
