#include "generation/random_source.h"

#include <algorithm>
#include <limits>

namespace qinghe {

std::int32_t RandomSource::randomInRange(std::int32_t first, std::int32_t second) {
  const std::int32_t a = std::max(first, 0);
  const std::int32_t b = std::max(second, 0);
  const std::int32_t lo = std::min(a, b);
  const std::int32_t hi = std::max(a, b);
  if (lo == hi) {
    return lo;
  }
  // Both bounds are at least 0, so the span fits; capped so that span + 1 stays positive.
  const std::int32_t span = std::min(hi - lo, std::numeric_limits<std::int32_t>::max() - 1);
  std::uint32_t draw = 0;
  drawBelow(static_cast<std::uint32_t>(span) + 1U, std::span<std::uint32_t>(&draw, 1));
  return lo + static_cast<std::int32_t>(draw);
}

SecureRandomSource::SecureRandomSource() = default;

SecureRandomSource::~SecureRandomSource() {
  // Random bytes not handed out yet may still become passwords elsewhere; leave none behind.
  volatile std::uint8_t* bytes = block_;
  for (std::size_t i = 0; i < kBlockSize; ++i) {
    bytes[i] = 0;
  }
}

void SecureRandomSource::refill() {
  fillSecureRandomBytes(std::span<std::uint8_t>(block_, kBlockSize));
  used_ = 0;
}

std::uint8_t SecureRandomSource::nextByte() {
  if (used_ == kBlockSize) {
    refill();
  }
  return block_[used_++];
}

std::uint32_t SecureRandomSource::nextWord() {
  if (kBlockSize - used_ < 4) {
    refill();
  }
  std::uint32_t word = 0;
  for (int i = 0; i < 4; ++i) {
    word = (word << 8U) | block_[used_++];
  }
  return word;
}

void SecureRandomSource::prepareByteTable(std::uint32_t bound) {
  // Bytes from the largest multiple of bound up would make the low draws more likely:
  // they are rejected and drawn again.
  const std::uint32_t limit = 256U - (256U % bound);
  for (std::uint32_t b = 0; b < 256U; ++b) {
    byteTable_[b] = b < limit ? static_cast<std::uint8_t>(b % bound) : kRejected;
  }
  tableBound_ = bound;
}

void SecureRandomSource::drawBelow(std::uint32_t bound, std::span<std::uint32_t> out) {
  if (bound <= 1) {
    std::fill(out.begin(), out.end(), 0U);
    return;
  }
  if (bound < 256U) {
    if (tableBound_ != bound) {
      prepareByteTable(bound);
    }
    std::size_t filled = 0;
    while (filled < out.size()) {
      if (used_ == kBlockSize) {
        refill();
      }
      const std::size_t end = kBlockSize;
      std::size_t i = used_;
      while (i < end && filled < out.size()) {
        const std::uint8_t draw = byteTable_[block_[i++]];
        if (draw != kRejected) {
          out[filled++] = draw;
        }
      }
      used_ = i;
    }
    return;
  }
  // Wider ranges: a 32-bit word, rejecting the words above the largest multiple of bound.
  const std::uint32_t limit = std::numeric_limits<std::uint32_t>::max() -
                              (std::numeric_limits<std::uint32_t>::max() % bound + 1U) % bound;
  for (auto& value : out) {
    std::uint32_t word = nextWord();
    while (word > limit) {
      word = nextWord();
    }
    value = word % bound;
  }
}

}  // namespace qinghe
