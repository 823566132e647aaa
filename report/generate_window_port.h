#pragma once

#include <cstdint>
#include <string_view>

#include "generation/gbk_text.h"

namespace qinghe {

// What a generation run needs of the main window. Texts are code page 936.
class GenerateWindowPort {
 public:
  GenerateWindowPort() = default;
  GenerateWindowPort(const GenerateWindowPort&) = delete;
  GenerateWindowPort& operator=(const GenerateWindowPort&) = delete;
  virtual ~GenerateWindowPort() = default;

  virtual void setStatusText(const GbkText& text) = 0;
  // Lets the events already waiting be handled for a short while (see pauseWithEvents).
  virtual void pauseWithEvents(std::int32_t milliseconds) = 0;
  // The selected item's text; empty when nothing is selected.
  virtual GbkText lengthItemText() = 0;
  virtual GbkText kindItemText() = 0;
  virtual GbkText countText() = 0;
  virtual bool isNumberedChecked() = 0;
  // Offers the save dialog, writes the report when the user confirms, then opens it.
  virtual void saveAndOpenReport(std::string_view report) = 0;
  // True once the window has been closed (for instance during the pause): the run then stops
  // without touching the window again.
  virtual bool isClosed() { return false; }
};

}  // namespace qinghe
