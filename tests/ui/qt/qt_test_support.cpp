#include "qt_test_support.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "report/text_values.h"

namespace qinghe::test {

std::string readFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  const QByteArray bytes = file.readAll();
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

void writeFileBytes(const QString& path, std::string_view bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    throw std::runtime_error("cannot write the fixture file " + path.toStdString());
  }
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

DateTime FixedClock::now() {
  return dateTimeFromFields({2010, 7, 28, 5, 29, 26});
}

QString ScriptedChooser::chooseSaveFile(QWidget* /*parent*/, const QString& folder,
                                        const QString& proposedName) {
  calls.push_back({folder, proposedName});
  if (whileOpen) {
    whileOpen();
  }
  if (answers.empty()) {
    return {};
  }
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

OpenedUrls::OpenedUrls() {
  QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

OpenedUrls::~OpenedUrls() {
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

QStringList OpenedUrls::localFiles() const {
  QStringList files;
  for (const QUrl& url : urls_) {
    files << url.toLocalFile();
  }
  return files;
}

void OpenedUrls::open(const QUrl& url) {
  urls_.push_back(url);
}

namespace {

struct ModalAnswerer {
  std::vector<ModalAnswer> answers;
  std::size_t used = 0;
  std::vector<QPointer<QWidget>> answered;
  QObject context;

  bool wasAnswered(const QWidget* widget) const {
    for (const QPointer<QWidget>& seen : answered) {
      if (seen == widget) {
        return true;
      }
    }
    return false;
  }

  void poll() {
    // The next poll is due before the answer runs, so that a window opened by the answer
    // (a question asked by a dialog) is answered from within its own loop.
    QTimer::singleShot(5, &context, [this] { poll(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || wasAnswered(modal) || !modal->isVisible()) {
      return;
    }
    answered.emplace_back(modal);
    if (used == answers.size()) {
      ADD_FAILURE() << "unexpected modal window " << modal->metaObject()->className();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
      return;
    }
    answers[used++](modal);
  }
};

}  // namespace

int answerModals(std::vector<ModalAnswer> answers, const std::function<void()>& action) {
  auto answerer = std::make_unique<ModalAnswerer>();
  answerer->answers = std::move(answers);
  QTimer::singleShot(5, &answerer->context, [raw = answerer.get()] { raw->poll(); });
  action();
  return static_cast<int>(answerer->used);
}

ModalAnswer noteMessageText(QString& text) {
  return [&text](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr) {
      ADD_FAILURE() << "expected a message box, got " << widget->metaObject()->className();
      widget->close();
      return;
    }
    text = box->text();
    box->accept();
  };
}

QString artifactPath(const QString& name) {
  const QString folder = qEnvironmentVariable("QH_ARTIFACT_DIR", QDir::currentPath());
  QDir().mkpath(folder);
  return QDir(folder).filePath(name);
}

}  // namespace qinghe::test
