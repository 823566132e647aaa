// Runs the real command-line tool and looks at what it leaves behind.
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "generation/password_list_builder.h"
#include "report/report_builder.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode;
  std::string out;
  std::string err;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class CliProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qh-cli-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // prefix runs before the tool in the same shell (for example a lowered memory limit).
  Outcome run(const std::string& args, const std::string& prefix = "",
              const std::string& stdoutTarget = "") {
    const fs::path out = dir_ / ".out";
    const fs::path err = dir_ / ".err";
    const std::string command = prefix + " " QH_CLI_PATH " " + args + " > " +
                                (stdoutTarget.empty() ? out.string() : stdoutTarget) + " 2> " +
                                err.string();
    const int status = std::system(("sh -c '" + command + "'").c_str());
    Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
    fs::remove(out);
    fs::remove(err);
    return outcome;
  }

  [[nodiscard]] std::vector<std::string> filesInDir() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(CliProcess, WritesTheFileAtomicallyForTheOwnerOnly) {
  const fs::path target = dir_ / "keys.txt";
  std::ofstream(target) << "old batch";
  const Outcome outcome = run("-n 5 -l 8 -k digits -p -o " + target.string());
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "");
  const std::string bytes = readFile(target);
  ASSERT_EQ(bytes.size(), 5U * 10U);
  for (std::size_t line = 0; line < 5; ++line) {
    EXPECT_EQ(bytes.substr(line * 10, 8).find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(bytes.substr(line * 10 + 8, 2), "\r\n");
  }
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777U, 0600U);
  EXPECT_EQ(filesInDir(), std::vector<std::string>{"keys.txt"});  // no temporary left
}

TEST_F(CliProcess, TheDefaultReportIsTheDesktopProgramsNumberedFileInCodePage936) {
  const Outcome outcome = run("");
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  const std::string_view report = outcome.out;
  EXPECT_TRUE(report.starts_with("\r\n\xC6\xF0\xCA\xBC\xCA\xB1\xBC\xE4\xA3\xBA"));  // 起始时间：
  const std::size_t listStart = report.find("Id1 ");
  ASSERT_NE(listStart, std::string_view::npos);
  EXPECT_EQ(report.size() - listStart,
            qinghe::PasswordListBuilder::listSize(30, 1000, true, qinghe::TextEncoding::gbk));
  EXPECT_NE(report.find("Id1000          \xA1\xF1"), std::string_view::npos);
  EXPECT_EQ(outcome.err, "");  // not a terminal: no progress bar
}

TEST_F(CliProcess, Utf8HeaderOnRequest) {
  const Outcome outcome = run("--encoding utf-8 -n 2 -l 4");
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_TRUE(outcome.out.starts_with("\r\n起始时间："));
  EXPECT_NE(outcome.out.find("共生成2个密码"), std::string::npos);
  EXPECT_NE(outcome.out.find("Id2          ●"), std::string::npos);
}

TEST_F(CliProcess, BadInputTouchesNoFile) {
  const fs::path target = dir_ / "keys.txt";
  std::ofstream(target) << "old batch";
  for (const std::string args : {"--count -5", "--count abc", "--length", "--kind emoji",
                                 "--encoding latin1", "--frobnicate", "stray"}) {
    const Outcome outcome = run(args + " -o " + target.string());
    EXPECT_EQ(outcome.exitCode, 2) << args;
    EXPECT_NE(outcome.err.find("--help"), std::string::npos) << args;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(readFile(target), "old batch");
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"keys.txt"});
  }
}

TEST_F(CliProcess, AFailedWriteNamesThePathAndTheReasonAndKeepsTheOldFile) {
  const fs::path notAFolder = dir_ / "plain-file";
  std::ofstream(notAFolder) << "x";
  struct Case {
    fs::path target;
    std::string reason;
  };
  const Case cases[] = {
      {notAFolder / "keys.txt", "Not a directory"},
      {dir_ / "missing" / "keys.txt", "No such file or directory"},
      {dir_, "Is a directory"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = run("-n 3 -o " + c.target.string());
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find(c.target.string()), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find(c.reason), std::string::npos) << outcome.err;
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"plain-file"});
  }
}

TEST_F(CliProcess, AFullDeviceIsAFailureNotASuccess) {
  const Outcome toStdout = run("-n 100000", "", "/dev/full");
  EXPECT_EQ(toStdout.exitCode, 1);
  EXPECT_NE(toStdout.err.find("No space left on device"), std::string::npos) << toStdout.err;
  // A device given as the output file is written in place, never replaced.
  const Outcome toFile = run("-n 100000 -o /dev/full");
  EXPECT_EQ(toFile.exitCode, 1);
  EXPECT_NE(toFile.err.find("/dev/full"), std::string::npos);
  struct stat info {};
  ASSERT_EQ(::stat("/dev/full", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(CliProcess, RunningOutOfMemoryIsTheFatalMessageWithTheByteCount) {
#ifdef QH_SANITIZED
  GTEST_SKIP() << "the sanitizer needs more address space than the limit this test sets";
#endif
  const fs::path target = dir_ / "keys.txt";
  const std::uint64_t bytes =
      qinghe::PasswordListBuilder::listSize(100, 9990000, true, qinghe::TextEncoding::gbk) +
      qinghe::ReportBuilder().headerRoom();
  // 512 MiB of address space: far less than the 1.25 GB report.
  const Outcome outcome =
      run("-n 9990000 -l 100 -k 数字+字母+符号 -o " + target.string(), "ulimit -v 524288;");
  EXPECT_EQ(outcome.exitCode, 255);
  EXPECT_NE(outcome.err.find(std::to_string(bytes)), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("内存不足"), std::string::npos);
  EXPECT_TRUE(filesInDir().empty());
}

TEST_F(CliProcess, AProgressBarOnATerminalForALongRun) {
  // script gives the tool a terminal on standard error; the report itself goes to a file.
  const fs::path log = dir_ / "terminal.log";
  const std::string inner = std::string(QH_CLI_PATH) + " -q -n 10 > /dev/null; " + QH_CLI_PATH +
                            " -n 6000000 -l 40 -p > /dev/null";
  const int status =
      std::system(("script -qec '" + inner + "' " + log.string() + " > /dev/null").c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::string screen = readFile(log);
  EXPECT_NE(screen.find("生成 ["), std::string::npos) << screen;
  EXPECT_NE(screen.find("100%"), std::string::npos);
}

}  // namespace
