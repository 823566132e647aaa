#include "ui/qt/event_drain.h"

#include <QCoreApplication>
#include <QEvent>

namespace qinghe {

EventDrain::EventDrain() {
  QCoreApplication::instance()->installEventFilter(this);
}

EventDrain::~EventDrain() {
  QCoreApplication::instance()->removeEventFilter(this);
  if (quitHeld_) {
    // The queue takes the event; without memory for it the program could not go on anyway.
    // NOLINTNEXTLINE(bugprone-unhandled-exception-at-new)
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit));
  }
}

void EventDrain::drain() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool EventDrain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
    quitHeld_ = true;
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qinghe
