#include "report/generate_command.h"

#include "generation/password_list_builder.h"
#include "report/report_builder.h"
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
  const std::int32_t length = realToInt(textToNumber(window.lengthItemText()));
  const GbkText kindText = window.kindItemText();
  const std::int32_t count = realToInt(textToNumber(window.countText()));
  // One value decides both the line form and whether the header is added.
  const bool numbered = window.isNumberedChecked();

  const ReportBuilder reportBuilder;
  ListOptions options;
  options.headerRoom = numbered ? reportBuilder.headerRoom() : 0;

  const DateTime start = clock_.now();
  ReportText list =
      PasswordListBuilder(source_).buildPasswordList(length, count, kindText, numbered, options);
  const DateTime end = clock_.now();
  const ReportText report = reportBuilder.buildReport(std::move(list), numbered, start, end, count);

  window.setStatusText(GbkText(report_texts::gbk::kStatusGenerated));
  window.saveAndOpenReport(report.bytes());
  if (window.isClosed()) {
    return;
  }
  window.setStatusText(GbkText(report_texts::gbk::kStatusAgain));
}

}  // namespace qinghe
