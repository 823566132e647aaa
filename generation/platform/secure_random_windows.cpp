// Windows: the system's preferred generator.
#include <windows.h>
// bcrypt.h needs the types of windows.h; its own block keeps the formatter from sorting it first.
#include <bcrypt.h>

#include <algorithm>
#include <system_error>

#include "generation/random_source.h"

namespace qinghe {

void fillSecureRandomBytes(std::span<std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto piece = static_cast<ULONG>(std::min<std::size_t>(bytes.size() - done, 1U << 30U));
    const NTSTATUS status =
        BCryptGenRandom(nullptr, bytes.data() + done, piece, BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (status < 0) {
      throw std::system_error(std::make_error_code(std::errc::io_error),
                              "the secure random generator failed");
    }
    done += piece;
  }
}

}  // namespace qinghe
