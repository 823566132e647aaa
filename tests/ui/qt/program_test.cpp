// The real program, started without a display.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace qinghe::test {
namespace {

TEST(Program, WithoutADisplaySaysSoInOneLineAndEndsWithMinusOne) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(QH_QT_PROGRAM), {});
  ASSERT_TRUE(program.waitForFinished(10000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 255);
  const QString error = QString::fromUtf8(program.readAllStandardError());
  EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
  EXPECT_TRUE(error.endsWith(QLatin1Char('\n')));
  EXPECT_TRUE(error.contains(QStringLiteral("qinghe-keygen-cli"))) << error.toStdString();
  EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

}  // namespace
}  // namespace qinghe::test
