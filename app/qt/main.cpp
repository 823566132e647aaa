#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "generation/random_source.h"
#include "report/clock.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_translations.h"
#include "ui/qt/save_file_chooser.h"
#include "ui/ui_texts.h"

namespace {

// The fatal exit code of the program (-1), as the shell sees it.
constexpr int kFatalExitCode = -1;

bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void sayNoDisplay() {
  const std::string_view line = qinghe::ui_texts::utf8::kNoDisplay;
  std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

// While Qt connects to the display: a platform that cannot start is Qt's fatal error, which
// would abort the process; the user gets Qt's reason, the hint and the program's fatal code.
QtMessageHandler qtHandler = nullptr;
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  qtHandler(type, context, message);
  if (type == QtFatalMsg) {
    sayNoDisplay();
    std::_Exit(kFatalExitCode);
  }
}

// Ends the process at once, as the end button promises: nothing is asked, no window is closed
// one by one.
[[noreturn]] void endProgram(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!hasDisplay()) {
    sayNoDisplay();
    return kFatalExitCode;
  }
  qtHandler = qInstallMessageHandler(startupMessageHandler);
  QApplication application(argc, argv);
  qInstallMessageHandler(qtHandler);
  qinghe::installQtTranslations(application);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/qinghe-keygen.png")));

  // Relative paths resolve against the program's folder, as on the platform it came from.
  const QString programFolder = QCoreApplication::applicationDirPath();
  QDir::setCurrent(programFolder);

  qinghe::SecureRandomSource source;
  qinghe::SystemClock clock;
  qinghe::FileDialogChooser chooser;
  qinghe::MainWindow window(source, clock, chooser, programFolder, endProgram);
  window.show();
  return QApplication::exec();
}
