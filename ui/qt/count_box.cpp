#include "ui/qt/count_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "ui/window_layout.h"

namespace qinghe {

namespace {

bool isTypeable(const QString& text) {
  for (const QChar c : text) {
    if (!isTypeableCountCharacter(c.unicode())) {
      return false;
    }
  }
  return true;
}

// A key that would type printable text; control keys and shortcuts carry none.
bool typesText(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    return false;
  }
  const QString text = event.text();
  return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

CountBox::CountBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kCountMaxCharacters);
}

void CountBox::keyPressEvent(QKeyEvent* event) {
  if (typesText(*event) && !isTypeable(event->text())) {
    // Swallowed, not ignored: the window must not see it either.
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void CountBox::inputMethodEvent(QInputMethodEvent* event) {
  // Text committed by an input method is typed text, too.
  QString kept;
  for (const QChar c : event->commitString()) {
    if (isTypeableCountCharacter(c.unicode())) {
      kept += c;
    }
  }
  if (kept == event->commitString()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace qinghe
