// Generation runs through the window: the status line, the pause, nesting, closing, memory.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "generation/out_of_memory.h"
#include "main_window_fixture.h"
#include "report/fatal_messages.h"
#include "ui/qt/gbk_conversion.h"

namespace qinghe::test {
namespace {

// A click that waits in the event queue, as a second press does while a run is busy.
void queueClick(QWidget* button) {
  const QPointF centre = QRectF(button->rect()).center();
  const QPointF global = button->mapToGlobal(centre);
  QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                      Qt::LeftButton, Qt::LeftButton, {}));
  QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                      Qt::LeftButton, Qt::NoButton, {}));
}

class GenerateRunTest : public MainWindowTest {
 protected:
  void generate() { widget<QPushButton>(ControlId::按钮1)->click(); }
};

TEST_F(GenerateRunTest, StatusShowsTheThreeTextsInOrderWhetherSavedOrCancelled) {
  const QString saved = programFolder.filePath(QStringLiteral("saved.txt"));
  for (const bool save : {true, false}) {
    std::vector<QString> seen;
    chooser.answers = {save ? saved : QString()};
    chooser.whileOpen = [&] { seen.push_back(status()); };
    runFromTheQueue([&] { seen.push_back(status()); });  // handled by the pause
    generate();
    seen.push_back(status());
    EXPECT_EQ(seen,
              (std::vector<QString>{QStringLiteral("密码生成中……"), QStringLiteral("密码已经生成"),
                                    QStringLiteral("请再次生成密码")}))
        << (save ? "saved" : "cancelled");
  }
  EXPECT_EQ(opened.localFiles(), QStringList{saved});
}

TEST_F(GenerateRunTest, DefaultChoicesSaveANumberedReportOfAThousandPasswords) {
  const QString saved = programFolder.filePath(QStringLiteral("key.txt"));
  chooser.answers = {saved};
  generate();
  ASSERT_EQ(chooser.calls.size(), 1U);
  EXPECT_EQ(chooser.calls[0].folder, programFolder.path());
  EXPECT_EQ(chooser.calls[0].proposedName, QStringLiteral("key2010年7月28日5时29分26秒"));

  const std::string bytes = readFileBytes(saved);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.substr(0, 12), "\r\n\xC6\xF0\xCA\xBC\xCA\xB1\xBC\xE4\xA3\xBA");  // 起始时间：
  const QString report = fromGbk(bytes);
  const QRegularExpression line(QStringLiteral("^Id(\\d+) {10}●[0-9A-Za-z]{30}●\\r$"),
                                QRegularExpression::MultilineOption);
  int expected = 1;
  for (auto match = line.globalMatch(report); match.hasNext(); ++expected) {
    ASSERT_EQ(match.next().captured(1).toInt(), expected);
  }
  EXPECT_EQ(expected - 1, 1000);
  EXPECT_TRUE(report.endsWith(QStringLiteral("●\r\n")));
}

TEST_F(GenerateRunTest, PlainFormWithEmptyLengthGivesEmptyLines) {
  QTest::mouseClick(widget<QWidget>(ControlId::单选框1), Qt::LeftButton);
  widget<QComboBox>(ControlId::组合框1)->setCurrentIndex(96);
  auto* count = widget<QLineEdit>(ControlId::编辑框1);
  count->setText(QStringLiteral("3"));
  const QString saved = programFolder.filePath(QStringLiteral("plain.txt"));
  chooser.answers = {saved};
  generate();
  EXPECT_EQ(readFileBytes(saved), "\r\n\r\n\r\n");
}

TEST_F(GenerateRunTest, AQueuedSecondClickRunsAWholeNestedRunInsideThePause) {
  bool outerReturned = false;
  chooser.answers = {QString(), QString()};
  std::vector<bool> outerDoneAtDialog;
  chooser.whileOpen = [&] { outerDoneAtDialog.push_back(outerReturned); };
  queueClick(window->control(ControlId::按钮1));
  generate();
  outerReturned = true;
  // Both dialogs were shown before the outer click returned, with no event handled by the
  // test in between: the queued click ran inside the outer run's pause.
  EXPECT_EQ(outerDoneAtDialog, (std::vector<bool>{false, false}));
  EXPECT_EQ(status(), QStringLiteral("请再次生成密码"));
}

// Notes requests to quit that reach the application.
class QuitSpy final : public QObject {
 public:
  QuitSpy() { qApp->installEventFilter(this); }
  ~QuitSpy() override { qApp->removeEventFilter(this); }
  QuitSpy(const QuitSpy&) = delete;
  QuitSpy& operator=(const QuitSpy&) = delete;
  int seen = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::Quit) {
      ++seen;
      return true;
    }
    return false;
  }
};

TEST_F(GenerateRunTest, ClosingDuringThePauseStopsTheRunAndLeavesTheQuitForTheMainLoop) {
  QuitSpy quit;
  runFromTheQueue([&] { window->close(); });
  QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
  generate();
  EXPECT_TRUE(window->isClosed());
  EXPECT_TRUE(chooser.calls.empty());
  EXPECT_EQ(status(), QStringLiteral("密码生成中……"));
  EXPECT_EQ(quit.seen, 0) << "the pause acted on the request to quit";
  QCoreApplication::processEvents();
  EXPECT_GE(quit.seen, 1) << "the request to quit was lost";
}

// A random source that runs out of memory at its first draw.
class ExhaustedSource final : public RandomSource {
 public:
  void drawBelow(std::uint32_t /*bound*/, std::span<std::uint32_t> /*out*/) override {
    throw OutOfMemory(123456789);
  }
};

TEST_F(GenerateRunTest, OutOfMemoryShowsTheByteCountAndEndsWithMinusOne) {
  ExhaustedSource exhausted;
  window = makeWindow(exhausted);
  QString message;
  EXPECT_EQ(answerModals({noteMessageText(message)}, [&] { generate(); }), 1);
  EXPECT_EQ(message, fromGbk(outOfMemoryMessage(123456789, TextEncoding::gbk)));
  EXPECT_TRUE(message.contains(QStringLiteral("123456789")));
  EXPECT_EQ(endCodes, std::vector<int>{-1});
  EXPECT_TRUE(chooser.calls.empty());
}

TEST_F(GenerateRunTest, EndButtonEndsWithZero) {
  QTest::mouseClick(widget<QWidget>(ControlId::按钮2), Qt::LeftButton);
  EXPECT_EQ(endCodes, std::vector<int>{0});
}

}  // namespace
}  // namespace qinghe::test
