#pragma once

#include <QObject>

namespace qinghe {

// Handles the events already waiting, for the pause of a run, without waiting for more. A
// request to quit that arrives meanwhile is held back and posted again when the drain is
// destroyed, so that the main loop, not the pause, acts on it.
class EventDrain final : public QObject {
 public:
  EventDrain();
  ~EventDrain() override;
  EventDrain(const EventDrain&) = delete;
  EventDrain& operator=(const EventDrain&) = delete;

  void drain();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool quitHeld_ = false;
};

}  // namespace qinghe
