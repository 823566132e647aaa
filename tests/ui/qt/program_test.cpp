// The real program, started without a display.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace qinghe::test {
namespace {

// Runs the program with no display variables but those given; gives its standard error.
QString runWithoutDisplay(const QStringList& set, int& exitCode, QProcess::ExitStatus& status) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  for (const QString& assignment : set) {
    environment.insert(assignment.section(QLatin1Char('='), 0, 0),
                       assignment.section(QLatin1Char('='), 1));
  }
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(QH_QT_PROGRAM), {});
  EXPECT_TRUE(program.waitForFinished(10000));
  EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
  exitCode = program.exitCode();
  status = program.exitStatus();
  return QString::fromUtf8(program.readAllStandardError());
}

TEST(Program, WithoutADisplaySaysSoInOneLineAndEndsWithMinusOne) {
  int exitCode = 0;
  QProcess::ExitStatus status = QProcess::CrashExit;
  const QString error = runWithoutDisplay({}, exitCode, status);
  EXPECT_EQ(status, QProcess::NormalExit);
  EXPECT_EQ(exitCode, 255);
  EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
  EXPECT_TRUE(error.endsWith(QLatin1Char('\n')));
  EXPECT_TRUE(error.contains(QStringLiteral("qinghe-keygen-cli"))) << error.toStdString();
}

TEST(Program, WithADisplayItCannotReachEndsWithTheHintInsteadOfAborting) {
  int exitCode = 0;
  QProcess::ExitStatus status = QProcess::CrashExit;
  const QString error = runWithoutDisplay({QStringLiteral("DISPLAY=:9876")}, exitCode, status);
  EXPECT_EQ(status, QProcess::NormalExit) << error.toStdString();
  EXPECT_EQ(exitCode, 255);
  EXPECT_TRUE(error.trimmed().endsWith(QStringLiteral("qinghe-keygen-cli。")))
      << error.toStdString();
}

}  // namespace
}  // namespace qinghe::test
