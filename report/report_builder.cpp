#include "report/report_builder.h"

#include <cstring>

#include "report/report_texts.h"

namespace qinghe {

namespace {

struct HeaderTexts {
  std::string_view start, end, title, count, seconds, contact, note, unit;
};

HeaderTexts headerTexts(TextEncoding encoding) {
  if (encoding == TextEncoding::gbk) {
    namespace t = report_texts::gbk;
    return {t::kHeaderStart,   t::kHeaderEnd,     t::kHeaderTitle, t::kHeaderCount,
            t::kHeaderSeconds, t::kHeaderContact, t::kHeaderNote,  t::kYear};
  }
  namespace t = report_texts::utf8;
  return {t::kHeaderStart,   t::kHeaderEnd,     t::kHeaderTitle, t::kHeaderCount,
          t::kHeaderSeconds, t::kHeaderContact, t::kHeaderNote,  t::kYear};
}

// "9999年12月31日23时59分59秒": 14 digits and six units, each unit as wide as "年".
std::uint64_t longestDateTimeText(const HeaderTexts& t) {
  return 14 + 6 * t.unit.size();
}

constexpr std::uint64_t kLongestInt = 11;  // "-2147483648"

}  // namespace

std::uint64_t ReportBuilder::headerRoom() const {
  const HeaderTexts t = headerTexts(encoding_);
  return t.start.size() + t.end.size() + t.title.size() + t.count.size() + t.seconds.size() +
         t.contact.size() + t.note.size() + 2 * longestDateTimeText(t) + 2 * kLongestInt;
}

std::string ReportBuilder::buildHeader(DateTime start, DateTime end, std::int32_t count) const {
  const HeaderTexts t = headerTexts(encoding_);
  std::string header;
  header.reserve(static_cast<std::size_t>(headerRoom()));
  header += t.start;
  header += dateTimeToText(start, encoding_);
  header += t.end;
  header += dateTimeToText(end, encoding_);
  header += t.title;
  header += intToText(count).bytes();
  header += t.count;
  header += realToText(secondsBetween(end, start)).bytes();
  header += t.seconds;
  header += t.contact;
  header += t.note;
  return header;
}

ReportText ReportBuilder::buildReport(ReportText list, bool numbered, DateTime start, DateTime end,
                                      std::int32_t count) const {
  if (!numbered) {
    return list;
  }
  const std::string header = buildHeader(start, end, count);
  if (header.size() <= list.frontRoom()) {
    list.prepend(header);
    return list;
  }
  ReportText report = ReportText::allocate(0, header.size() + list.size());
  std::memcpy(report.data(), header.data(), header.size());
  if (!list.empty()) {
    std::memcpy(report.data() + header.size(), list.bytes().data(), list.size());
  }
  return report;
}

}  // namespace qinghe
