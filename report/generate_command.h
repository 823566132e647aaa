#pragma once

#include "generation/random_source.h"
#include "report/clock.h"
#include "report/generate_window_port.h"

namespace qinghe {

// One press of the generate button: from the window's four choices to the saved file, with
// the status line telling the user where the run is.
class GenerateCommand {
 public:
  GenerateCommand(RandomSource& source, Clock& clock) : source_(source), clock_(clock) {}

  // Throws OutOfMemory when the list or the report cannot be had; that is fatal.
  void run(GenerateWindowPort& window);

 private:
  RandomSource& source_;
  Clock& clock_;
};

}  // namespace qinghe
