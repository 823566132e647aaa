#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <functional>
#include <string_view>
#include <vector>

#include "report/clock.h"
#include "ui/qt/save_file_chooser.h"

namespace qinghe::test {

// The bytes of a file, or an empty string when it cannot be read.
std::string readFileBytes(const QString& path);
void writeFileBytes(const QString& path, std::string_view bytes);

// A clock that always reads 28 July 2010 05:29:26.
class FixedClock final : public Clock {
 public:
  DateTime now() override;
};

// The save dialog, scripted: each call takes the next answer (an empty one cancels; none left
// cancels too) and records what the window proposed.
class ScriptedChooser final : public SaveFileChooser {
 public:
  struct Call {
    QString folder;
    QString proposedName;
  };

  QString chooseSaveFile(QWidget* parent, const QString& folder,
                         const QString& proposedName) override;

  std::deque<QString> answers;
  std::vector<Call> calls;
  // Runs while the dialog would be open.
  std::function<void()> whileOpen;
};

// Records what the program asks the desktop to open, in place of the desktop.
class OpenedUrls final : public QObject {
  Q_OBJECT

 public:
  OpenedUrls();
  ~OpenedUrls() override;

  [[nodiscard]] QStringList localFiles() const;

  // Called by name, as the desktop services call a handler.
  Q_INVOKABLE void open(const QUrl& url);

 private:
  std::vector<QUrl> urls_;
};

// Answers the modal windows that open while `action` runs, each with the next answer, in the
// order they open. Every answer must close its window (or leave it to a later answer); a modal
// window with no answer left is rejected so that a test fails instead of hanging. Gives how
// many answers were used.
using ModalAnswer = std::function<void(QWidget*)>;
int answerModals(std::vector<ModalAnswer> answers, const std::function<void()>& action);

// Closes a message box after noting its text and, given a file name, saving a picture of it.
ModalAnswer noteMessageText(QString& text, const QString& shotName = {});

// Runs action when the event queue reaches it, as a drain of the queue would.
void runFromTheQueue(std::function<void()> action);

// Where screenshots go: QH_ARTIFACT_DIR, or the working folder.
QString artifactPath(const QString& name);

}  // namespace qinghe::test
