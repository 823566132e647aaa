#pragma once

#include <QString>
#include <string_view>

#include "generation/gbk_text.h"

namespace qinghe {

// The one place where the core's code page 936 texts meet Qt's Unicode strings. Qt decodes
// through ICU when it was built with it; otherwise glibc's iconv does the work.
QString fromGbk(std::string_view bytes);
// What the user typed, as the core reads it. A character that code page 936 cannot hold
// becomes "?", which no number reader takes for a digit.
GbkText toGbk(const QString& text);

// The iconv route on its own, so that tests can hold both routes to the same results.
QString fromGbkWithIconv(std::string_view bytes);
GbkText toGbkWithIconv(const QString& text);

}  // namespace qinghe
