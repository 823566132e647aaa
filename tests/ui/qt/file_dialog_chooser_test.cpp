// The real save dialog, answered by the test as a user would.
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "qt_test_support.h"
#include "ui/qt/save_file_chooser.h"

namespace qinghe::test {
namespace {

// The modal as the save dialog; anything else fails the test and is closed so the run goes on.
QFileDialog* asFileDialog(QWidget* widget) {
  auto* dialog = qobject_cast<QFileDialog*>(widget);
  if (dialog == nullptr) {
    ADD_FAILURE() << "expected the save dialog";
    if (widget != nullptr) {
      widget->close();
    }
  }
  return dialog;
}

TEST(FileDialogChooserTest, OffersASaveDialogForTextFilesThatAddsTxtToTheProposal) {
  QTemporaryDir folder;
  QWidget parent;
  FileDialogChooser chooser;
  QString chosen;
  const int answered = answerModals(
      {[&](QWidget* widget) {
        QFileDialog* dialog = asFileDialog(widget);
        if (dialog == nullptr) {
          return;
        }
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("txt"));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters().size(), 1);
        EXPECT_EQ(QDir::cleanPath(dialog->directory().path()), QDir::cleanPath(folder.path()));
        // The user sees the one type as the table spells it.
        const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        if (types != nullptr) {
          EXPECT_EQ(types->currentText(), QStringLiteral("文本文件（*.txt）"));
        }
        static_cast<QDialog*>(dialog)->accept();
      }},
      [&] {
        chosen = chooser.chooseSaveFile(&parent, folder.path(),
                                        QStringLiteral("key2010年7月28日5时29分26秒"));
      });
  EXPECT_EQ(answered, 1);
  EXPECT_EQ(chosen, folder.filePath(QStringLiteral("key2010年7月28日5时29分26秒.txt")));
}

TEST(FileDialogChooserTest, AsksBeforeReplacingAnExistingFile) {
  for (const QMessageBox::StandardButton reply : {QMessageBox::Yes, QMessageBox::No}) {
    QTemporaryDir folder;
    writeFileBytes(folder.filePath(QStringLiteral("old.txt")), "old");
    QWidget parent;
    FileDialogChooser chooser;
    QString chosen;
    QString question;
    const int answered = answerModals(
        {[&](QWidget* widget) {
           QFileDialog* dialog = asFileDialog(widget);
           if (dialog == nullptr) {
             return;
           }
           static_cast<QDialog*>(dialog)->accept();
           // Refusing the replacement keeps the dialog open; the user then cancels.
           if (dialog->isVisible()) {
             dialog->reject();
           }
         },
         [&](QWidget* widget) {
           auto* box = qobject_cast<QMessageBox*>(widget);
           if (box == nullptr) {
             ADD_FAILURE() << widget->metaObject()->className();
             widget->close();
             return;
           }
           question = box->text();
           box->button(reply)->click();
         }},
        [&] { chosen = chooser.chooseSaveFile(&parent, folder.path(), QStringLiteral("old")); });
    EXPECT_EQ(answered, 2);
    EXPECT_TRUE(question.contains(QStringLiteral("old.txt"))) << question.toStdString();
    EXPECT_EQ(chosen,
              reply == QMessageBox::Yes ? folder.filePath(QStringLiteral("old.txt")) : QString());
    EXPECT_EQ(readFileBytes(folder.filePath(QStringLiteral("old.txt"))), "old");
  }
}

}  // namespace
}  // namespace qinghe::test
