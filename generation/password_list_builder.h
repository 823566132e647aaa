#pragma once

#include <cstdint>
#include <functional>

#include "generation/gbk_text.h"
#include "generation/password_kinds.h"
#include "generation/random_source.h"
#include "generation/report_text.h"

namespace qinghe {

enum class TextEncoding { gbk, utf8 };

struct ListOptions {
  // Bytes kept free in front of the list, so that a header can go there without a copy.
  std::uint64_t headerRoom = 0;
  // How the mark "●" of the numbered form is written.
  TextEncoding encoding = TextEncoding::gbk;
  // Called now and then with the passwords made so far and the count; may be empty.
  std::function<void(std::int64_t done, std::int64_t total)> progress;
};

// Turns the choices of one run into the text of the password list, one line per password:
// "password\r\n" in the plain form, "Id<n>          ●password●\r\n" in the numbered form.
class PasswordListBuilder {
 public:
  explicit PasswordListBuilder(RandomSource& source) : source_(source) {}

  // The list for a kind named by its code page 936 text. A text that names none of the seven
  // kinds, a count below 1 or a length below 1 give no lines or empty passwords as the plain
  // rules say. Throws OutOfMemory when the list cannot be had.
  ReportText buildPasswordList(std::int32_t length, std::int32_t count, const GbkText& kindText,
                               bool numbered, const ListOptions& options = {});

  // The same for a kind already found; nullptr gives the empty list.
  ReportText buildPasswordList(std::int32_t length, std::int32_t count, const PasswordKind* kind,
                               bool numbered, const ListOptions& options = {});

  // The exact size in bytes of such a list, known before a byte is drawn.
  static std::uint64_t listSize(std::int32_t length, std::int32_t count, bool numbered,
                                TextEncoding encoding);

 private:
  RandomSource& source_;
};

}  // namespace qinghe
