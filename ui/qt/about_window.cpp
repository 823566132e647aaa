#include "ui/qt/about_window.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "ui/qt/gbk_conversion.h"
#include "ui/qt/window_frame.h"
#include "ui/window_layout.h"

namespace qinghe {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent), textBox_(new QTextEdit(this)) {
  setObjectName(QStringLiteral("AboutWindow"));
  fixWindowFrame(*this, aboutWindowSpec());

  textBox_->setObjectName(QStringLiteral("编辑框1"));
  textBox_->setGeometry(kAboutTextRect.left, kAboutTextRect.top, kAboutTextRect.width,
                        kAboutTextRect.height);
  QPalette colours = textBox_->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::white);
  }
  // The stored black even though the box is disabled: the notes are there to be read.
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Text, Qt::black);
  }
  textBox_->setPalette(colours);
  textBox_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  textBox_->setFocusPolicy(Qt::NoFocus);
  textBox_->setAcceptRichText(false);
  textBox_->setLineWrapMode(QTextEdit::WidgetWidth);
  // The box has no scroll bar, so all seventeen lines must fit in its 216 pixels: 11-pixel
  // characters on 12-pixel lines do, where the general font wraps line 5 and loses the last.
  QFont font = textBox_->font();
  font.setPixelSize(11);
  textBox_->setFont(font);
  textBox_->setPlainText(fromGbk(aboutText()));
  // Lines as tall as the font, as the box was laid out for, so that all the notes fit; a
  // fallback font for the Chinese characters would otherwise make every line taller.
  textBox_->document()->setDocumentMargin(2);
  QTextCursor all(textBox_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat lines;
  lines.setLineHeight(QFontInfo(textBox_->font()).pixelSize() + 1, QTextBlockFormat::FixedHeight);
  all.mergeBlockFormat(lines);
  textBox_->setReadOnly(true);
  textBox_->setEnabled(false);
  textBox_->moveCursor(QTextCursor::Start);
}

void showAboutWindow(QWidget* parent) {
  AboutWindow window(parent);
  window.exec();
}

}  // namespace qinghe
