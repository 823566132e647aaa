#include "report/fatal_messages.h"

#include <string>

#include "report/report_texts.h"

namespace qinghe {

std::string outOfMemoryMessage(std::uint64_t bytes, TextEncoding encoding) {
  const bool gbk = encoding == TextEncoding::gbk;
  std::string message(gbk ? report_texts::gbk::kOutOfMemoryBefore
                          : report_texts::utf8::kOutOfMemoryBefore);
  message += std::to_string(bytes);
  message += gbk ? report_texts::gbk::kOutOfMemoryAfter : report_texts::utf8::kOutOfMemoryAfter;
  return message;
}

}  // namespace qinghe
