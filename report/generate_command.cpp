#include "report/generate_command.h"

#include "report/generate_report.h"
#include "report/report_texts.h"
#include "report/text_values.h"

namespace qinghe {

void GenerateCommand::run(GenerateWindowPort& window) {
  window.setStatusText(GbkText(report_texts::gbk::kStatusGenerating));
  // Lets the label repaint before the long part of the run.
  window.pauseWithEvents(10);
  if (window.isClosed()) {
    return;
  }
  RunChoices choices;
  choices.length = realToInt(textToNumber(window.lengthItemText()));
  const GbkText kindText = window.kindItemText();
  choices.kind = findPasswordKind(kindText.bytes());
  choices.count = realToInt(textToNumber(window.countText()));
  // One value decides both the line form and whether the header is added.
  choices.numbered = window.isNumberedChecked();

  const ReportText report = generateReport(choices, source_, clock_);

  window.setStatusText(GbkText(report_texts::gbk::kStatusGenerated));
  window.saveAndOpenReport(report.bytes());
  if (window.isClosed()) {
    return;
  }
  window.setStatusText(GbkText(report_texts::gbk::kStatusAgain));
}

}  // namespace qinghe
