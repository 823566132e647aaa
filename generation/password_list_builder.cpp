#include "generation/password_list_builder.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <vector>

#include "generation/password_texts.h"

namespace qinghe {

namespace {

constexpr std::string_view kIdPrefix = "Id";
constexpr std::string_view kGap = "          ";  // ten spaces after the ordinal
constexpr std::string_view kLineEnd = "\r\n";
// Passwords between two progress reports.
constexpr std::int64_t kProgressStep = 1 << 16;

std::string_view passwordMark(TextEncoding encoding) {
  return encoding == TextEncoding::gbk ? password_texts::gbk::kPasswordMark
                                       : password_texts::utf8::kPasswordMark;
}

// Writes the decimal ordinal at out and returns the byte after it.
char* writeOrdinal(char* out, std::int64_t ordinal) {
  std::array<char, 10> digits{};
  int n = 0;
  auto value = static_cast<std::uint32_t>(ordinal);
  do {
    digits[static_cast<std::size_t>(n++)] = static_cast<char>('0' + value % 10U);
    value /= 10U;
  } while (value != 0);
  while (n > 0) {
    *out++ = digits[static_cast<std::size_t>(--n)];
  }
  return out;
}

char* append(char* out, std::string_view piece) {
  std::memcpy(out, piece.data(), piece.size());
  return out + piece.size();
}

}  // namespace

std::uint64_t PasswordListBuilder::listSize(std::int32_t length, std::int32_t count, bool numbered,
                                            TextEncoding encoding) {
  if (count < 1) {
    return 0;
  }
  const auto passwordBytes = static_cast<std::uint64_t>(std::max(length, 0));
  const auto lines = static_cast<std::uint64_t>(count);
  std::uint64_t size = lines * (passwordBytes + kLineEnd.size());
  if (numbered) {
    const std::uint64_t marks = 2 * passwordMark(encoding).size();
    size += lines * (kIdPrefix.size() + kGap.size() + marks);
    // Ordinals of d digits run from 10^(d-1) to 10^d - 1.
    std::uint64_t from = 1;
    for (int digits = 1; from <= lines; ++digits, from *= 10) {
      const std::uint64_t to = std::min(lines, from * 10 - 1);
      size += (to - from + 1) * static_cast<std::uint64_t>(digits);
    }
  }
  return size;
}

ReportText PasswordListBuilder::buildPasswordList(std::int32_t length, std::int32_t count,
                                                  const GbkText& kindText, bool numbered,
                                                  const ListOptions& options) {
  return buildPasswordList(length, count, findPasswordKind(kindText.bytes()), numbered, options);
}

ReportText PasswordListBuilder::buildPasswordList(std::int32_t length, std::int32_t count,
                                                  const PasswordKind* kind, bool numbered,
                                                  const ListOptions& options) {
  if (kind == nullptr || count < 1) {
    return ReportText::allocate(options.headerRoom, 0);
  }
  const std::uint64_t size = listSize(length, count, numbered, options.encoding);
  ReportText list = ReportText::allocate(options.headerRoom, size);

  const std::string_view characters = kind->characters();
  const auto passwordLength = static_cast<std::size_t>(std::max(length, 0));
  const std::string_view mark = passwordMark(options.encoding);

  char* out = list.data();
  // 64 bits: the ordinal after a count of 2147483647 must not overflow.
  for (std::int64_t ordinal = 1; ordinal <= count; ++ordinal) {
    if (numbered) {
      out = append(out, kIdPrefix);
      out = writeOrdinal(out, ordinal);
      out = append(out, kGap);
      out = append(out, mark);
    }
    source_.fillFromCharacters(characters, std::span<char>(out, passwordLength));
    out += passwordLength;
    if (numbered) {
      out = append(out, mark);
    }
    out = append(out, kLineEnd);
    if (options.progress && (ordinal % kProgressStep == 0 || ordinal == count)) {
      options.progress(ordinal, count);
    }
  }
  // Every byte counted in advance is written, no more and no fewer.
  assert(static_cast<std::uint64_t>(out - list.data()) == size);
  return list;
}

}  // namespace qinghe
