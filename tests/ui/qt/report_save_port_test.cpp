// Saving a report on Qt: the shared order over the Qt port, with a scripted dialog.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <csignal>

#include "qt_test_support.h"
#include "ui/qt/qt_report_save_port.h"
#include "ui/qt/save_folder.h"

namespace qinghe::test {
namespace {

// A report with the bytes that matter: CR LF, a double-byte mark, no terminator.
constexpr std::string_view kReport =
    "\r\nId1          \xA1\xF1"
    "abc\xA1\xF1\r\n";

class ReportSavePortTest : public ::testing::Test {
 protected:
  void save(std::string_view report = kReport) {
    QtReportSavePort port(parent, chooser, folder.path());
    saveAndOpenReport(report, clock, port);
  }
  [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }
  [[nodiscard]] QStringList filesInFolder() const {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
  }

  QWidget parent;
  FixedClock clock;
  ScriptedChooser chooser;
  OpenedUrls opened;
  QTemporaryDir folder;
};

// The file's mode bits, as the system keeps them.
unsigned modeOf(const QString& file) {
  struct stat status {};
  if (stat(QFile::encodeName(file).constData(), &status) != 0) {
    return 0;
  }
  return status.st_mode & 07777U;
}

TEST_F(ReportSavePortTest, ConfirmedFileHoldsExactlyTheReportOnlyForItsOwnerAndIsOpened) {
  chooser.answers = {path(QStringLiteral("密码.txt"))};
  save();
  ASSERT_EQ(chooser.calls.size(), 1U);
  EXPECT_EQ(chooser.calls[0].proposedName, QStringLiteral("key2010年7月28日5时29分26秒"));
  EXPECT_EQ(chooser.calls[0].folder, folder.path());
  EXPECT_EQ(readFileBytes(path(QStringLiteral("密码.txt"))), kReport);
  EXPECT_EQ(modeOf(path(QStringLiteral("密码.txt"))), 0600U);
  EXPECT_EQ(opened.localFiles(), QStringList{path(QStringLiteral("密码.txt"))});
  EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("密码.txt")});
}

TEST_F(ReportSavePortTest, EmptyReportGivesAnEmptyFile) {
  chooser.answers = {path(QStringLiteral("empty.txt"))};
  save("");
  EXPECT_TRUE(QFile::exists(path(QStringLiteral("empty.txt"))));
  EXPECT_EQ(QFile(path(QStringLiteral("empty.txt"))).size(), 0);
  EXPECT_EQ(opened.localFiles().size(), 1);
}

TEST_F(ReportSavePortTest, CancelWritesAndOpensNothing) {
  chooser.answers = {QString()};
  save();
  EXPECT_EQ(chooser.calls.size(), 1U);
  EXPECT_TRUE(filesInFolder().isEmpty());
  EXPECT_TRUE(opened.localFiles().isEmpty());
}

TEST_F(ReportSavePortTest, ReplacedFileKeepsNoneOfItsOldContentOrPermissions) {
  const QString old = path(QStringLiteral("old.txt"));
  writeFileBytes(old, std::string(5000, 'x'));
  ASSERT_EQ(chmod(QFile::encodeName(old).constData(), 0644), 0);
  chooser.answers = {old};
  save();
  EXPECT_EQ(readFileBytes(old), kReport);
  EXPECT_EQ(modeOf(old), 0600U);
}

// Makes writes beyond a few bytes fail as a full disk would, even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*oldHandler_)(int);
};

TEST_F(ReportSavePortTest, PathUnderARegularFileIsReportedAndTheDialogComesBack) {
  // Root can write anywhere, but not below a file.
  writeFileBytes(path(QStringLiteral("file")), "not a folder");
  const QString blocked = path(QStringLiteral("file/key.txt"));
  const QString elsewhere = path(QStringLiteral("elsewhere.txt"));
  chooser.answers = {blocked, elsewhere};
  QString message;
  EXPECT_EQ(answerModals({noteMessageText(message, QStringLiteral("save-failure-message.png"))},
                         [&] { save(); }),
            1);
  EXPECT_TRUE(message.contains(QDir::toNativeSeparators(blocked))) << message.toStdString();
  EXPECT_TRUE(message.contains(QStringLiteral("原因"))) << message.toStdString();
  EXPECT_EQ(chooser.calls.size(), 2U);
  EXPECT_EQ(readFileBytes(elsewhere), kReport);
  EXPECT_EQ(opened.localFiles(), QStringList{elsewhere});
}

TEST_F(ReportSavePortTest, WriteFailingPartWayLeavesTheOldFileIntactAndOpensNothing) {
  const std::string oldContent(100, 'o');
  const QString old = path(QStringLiteral("old.txt"));
  writeFileBytes(old, oldContent);
  const std::string report(std::size_t{64} * 1024, 'n');
  chooser.answers = {old, QString()};
  QString message;
  {
    const FileSizeLimit limit(4096);
    EXPECT_EQ(answerModals({noteMessageText(message)}, [&] { save(report); }), 1);
  }
  EXPECT_TRUE(message.contains(QDir::toNativeSeparators(old))) << message.toStdString();
  EXPECT_EQ(chooser.calls.size(), 2U);
  EXPECT_EQ(readFileBytes(old), oldContent);
  EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("old.txt")}) << "a temporary file is left";
  EXPECT_TRUE(opened.localFiles().isEmpty());
}

struct FolderCase {
  const char* what;
  bool programFolderExists;
  bool documentsExists;
  const char* expected;  // "program", "documents" or "home"
};

TEST(ProposedSaveFolder, IsTheProgramFolderWhenWritableElseDocumentsElseHome) {
  const std::vector<FolderCase> cases{
      {"writable program folder", true, true, "program"},
      {"program folder gone", false, true, "documents"},
      {"no documents folder either", false, false, "home"},
  };
  const QByteArray savedHome = qgetenv("HOME");
  const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
  for (const FolderCase& c : cases) {
    QTemporaryDir home;
    QTemporaryDir program;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    if (c.documentsExists) {
      QDir(home.path()).mkdir(QStringLiteral("Documents"));
    }
    const QString programPath =
        c.programFolderExists ? program.path() : program.filePath(QStringLiteral("gone"));
    const QString expected = std::string_view(c.expected) == "program" ? programPath
                             : std::string_view(c.expected) == "documents"
                                 ? home.filePath(QStringLiteral("Documents"))
                                 : home.path();
    EXPECT_EQ(QDir::cleanPath(proposedSaveFolder(programPath)), QDir::cleanPath(expected))
        << c.what;
  }
  qputenv("HOME", savedHome);
  if (savedConfig.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", savedConfig);
  }
}

}  // namespace
}  // namespace qinghe::test
