#include "ui/qt/about_window.h"

#include <QPlainTextEdit>

#include "ui/qt/gbk_conversion.h"
#include "ui/qt/window_frame.h"
#include "ui/window_layout.h"

namespace qinghe {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent), textBox_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("AboutWindow"));
  fixWindowFrame(*this, aboutWindowSpec());

  textBox_->setObjectName(QStringLiteral("编辑框1"));
  textBox_->setGeometry(kAboutTextRect.left, kAboutTextRect.top, kAboutTextRect.width,
                        kAboutTextRect.height);
  QPalette colours = textBox_->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::white);
  }
  colours.setColor(QPalette::Active, QPalette::Text, Qt::black);
  colours.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
  textBox_->setPalette(colours);
  textBox_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  textBox_->setFocusPolicy(Qt::NoFocus);
  textBox_->setPlainText(fromGbk(aboutText()));
  textBox_->setReadOnly(true);
  textBox_->setEnabled(false);
  textBox_->moveCursor(QTextCursor::Start);
}

void showAboutWindow(QWidget* parent) {
  AboutWindow window(parent);
  window.exec();
}

}  // namespace qinghe
