#include "ui/qt/qt_report_save_port.h"

#include <QDir>
#include <QMessageBox>
#include <QSaveFile>
#include <utility>

#include "ui/qt/desktop_open.h"
#include "ui/qt/gbk_conversion.h"
#include "ui/qt/save_folder.h"
#include "ui/ui_texts.h"

namespace qinghe {

namespace {

QString messageText(std::string_view gbk) {
  return fromGbk(gbk).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QtReportSavePort::QtReportSavePort(QWidget& window, SaveFileChooser& chooser, QString programFolder)
    : window_(window), chooser_(chooser), programFolder_(std::move(programFolder)) {}

bool QtReportSavePort::showSaveDialog(const GbkText& proposedName) {
  chosenPath_ = chooser_.chooseSaveFile(&window_, proposedSaveFolder(programFolder_),
                                        fromGbk(proposedName.bytes()));
  return !chosenPath_.isEmpty();
}

bool QtReportSavePort::writeChosenFile(std::string_view report) {
  QSaveFile file(chosenPath_);
  // Never write into the target itself: an existing file stays whole until the new one is.
  file.setDirectWriteFallback(false);
  // Unbuffered: the bytes go from the report to the file with no copy in between.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    failure_ = file.errorString();
    return false;
  }
  // The file holds passwords; QSaveFile would otherwise keep a replaced file's permissions.
  if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    failure_ = file.errorString();
    file.cancelWriting();
    return false;
  }
  const auto size = static_cast<qint64>(report.size());
  if (file.write(report.data(), size) != size) {
    failure_ = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    failure_ = file.errorString();
    return false;
  }
  return true;
}

void QtReportSavePort::showWriteFailure() {
  namespace t = ui_texts::gbk;
  const QString text = messageText(t::kSaveFailedBefore) + QDir::toNativeSeparators(chosenPath_) +
                       messageText(t::kSaveFailedReason) + failure_ +
                       messageText(t::kSaveFailedAfter);
  QMessageBox::warning(&window_, fromGbk(t::kSaveFailedTitle), text);
}

void QtReportSavePort::openChosenFile() {
  openInDesktop(chosenPath_);
}

}  // namespace qinghe
