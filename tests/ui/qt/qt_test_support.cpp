#include "qt_test_support.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPixmap>
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

class QueuedAction final : public QEvent {
 public:
  explicit QueuedAction(std::function<void()> action)
      : QEvent(type()), action_(std::move(action)) {}
  static QEvent::Type type() {
    static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
    return registered;
  }
  void run() const { action_(); }

 private:
  std::function<void()> action_;
};

class QueuedActionRunner final : public QObject {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QueuedAction::type()) {
      static_cast<QueuedAction*>(event)->run();
      return true;
    }
    return QObject::event(event);
  }
};

// A fresh timer for every poll: Qt does not fire a timer again while its own handler runs,
// and a modal window opened by an answer runs its loop inside that handler.
void pollLater(QObject& context, std::function<void()> poll) {
  auto* timer = new QTimer(&context);
  timer->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, &context, [timer, poll = std::move(poll)] {
    timer->deleteLater();
    poll();
  });
  timer->start(5);
}

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
    pollLater(context, [this] { poll(); });
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
  pollLater(answerer->context, [raw = answerer.get()] { raw->poll(); });
  action();
  return static_cast<int>(answerer->used);
}

ModalAnswer noteMessageText(QString& text, const QString& shotName) {
  return [&text, shotName](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr) {
      ADD_FAILURE() << "expected a message box, got " << widget->metaObject()->className();
      widget->close();
      return;
    }
    text = box->text();
    if (!shotName.isEmpty()) {
      EXPECT_TRUE(box->grab().save(artifactPath(shotName)));
    }
    box->accept();
  };
}

void runFromTheQueue(std::function<void()> action) {
  static QueuedActionRunner runner;
  QCoreApplication::postEvent(&runner, new QueuedAction(std::move(action)));
}

QString artifactPath(const QString& name) {
  const QString folder = qEnvironmentVariable("QH_ARTIFACT_DIR", QDir::currentPath());
  QDir().mkpath(folder);
  return QDir(folder).filePath(name);
}

}  // namespace qinghe::test
