#include "ui/qt/gbk_conversion.h"

#include <iconv.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <cstdint>
#include <string>

namespace qinghe {

namespace {

constexpr const char* kCodecName = "GBK";
constexpr const char* kIconvName = "CP936";

bool qtHasGbk() {
  static const bool has =
      QStringDecoder(kCodecName).isValid() && QStringEncoder(kCodecName).isValid();
  return has;
}

// Converts with iconv; a byte sequence the source encoding cannot read, or a character the
// target cannot hold, becomes `replacement` and the conversion goes on after it.
std::string convertWithIconv(std::string_view input, const char* to, const char* from,
                             std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  // iconv_open reports failure as (iconv_t)-1.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  if (cd == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
    return std::string(input);
  }
  std::string output;
  output.reserve(input.size() * 2);
  char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write there
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // EILSEQ or EINVAL: skip one unreadable unit of the source.
      output += replacement;
      const std::size_t unit = std::string_view(from) == "UTF-16LE" ? 2 : 1;
      const std::size_t skip = inLeft < unit ? inLeft : unit;
      in += skip;
      inLeft -= skip;
    }
  }
  iconv_close(cd);
  return output;
}

}  // namespace

QString fromGbk(std::string_view bytes) {
  if (!qtHasGbk()) {
    return fromGbkWithIconv(bytes);
  }
  QStringDecoder decoder(kCodecName);
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

GbkText toGbk(const QString& text) {
  if (!qtHasGbk()) {
    return toGbkWithIconv(text);
  }
  QStringEncoder encoder(kCodecName);
  const QByteArray bytes = encoder(text);
  return GbkText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString fromGbkWithIconv(std::string_view bytes) {
  return QString::fromStdString(convertWithIconv(bytes, "UTF-8", kIconvName, "\xEF\xBF\xBD"));
}

GbkText toGbkWithIconv(const QString& text) {
  const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()),
                         static_cast<qsizetype>(text.size()) * 2);
  return GbkText(
      convertWithIconv(std::string_view(utf16.constData(), static_cast<std::size_t>(utf16.size())),
                       kIconvName, "UTF-16LE", "?"));
}

}  // namespace qinghe
