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

void RandomSource::fillFromCharacters(std::string_view characters, std::span<char> out) {
  constexpr std::size_t kBlock = 4096;
  std::uint32_t draws[kBlock];
  const auto bound = static_cast<std::uint32_t>(characters.size());
  for (std::size_t done = 0; done < out.size();) {
    const std::size_t n = std::min(out.size() - done, kBlock);
    drawBelow(bound, std::span<std::uint32_t>(draws, n));
    for (std::size_t i = 0; i < n; ++i) {
      out[done + i] = characters[draws[i]];
    }
    done += n;
  }
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

void SecureRandomSource::prepareCharacterTable(std::string_view characters) {
  const auto bound = static_cast<std::uint32_t>(characters.size());
  const std::uint32_t limit = 256U - (256U % bound);
  for (std::uint32_t b = 0; b < 256U; ++b) {
    characterTable_[b] =
        b < limit ? static_cast<std::int16_t>(static_cast<unsigned char>(characters[b % bound]))
                  : std::int16_t{-1};
  }
  tableCharacters_ = characters;
}

void SecureRandomSource::fillFromCharacters(std::string_view characters, std::span<char> out) {
  if (characters.size() > 255 || characters.empty()) {
    RandomSource::fillFromCharacters(characters, out);
    return;
  }
  if (tableCharacters_.data() != characters.data() ||
      tableCharacters_.size() != characters.size()) {
    prepareCharacterTable(characters);
  }
  // Locals: stores through a char pointer could alias the members, which would make the
  // compiler reload them for every byte.
  const std::int16_t* const table = characterTable_;
  char* const target = out.data();
  const std::size_t wanted = out.size();
  std::size_t filled = 0;
  while (filled < wanted) {
    if (used_ == kBlockSize) {
      refill();
    }
    // A byte gives at most one character, so this many bytes cannot overrun the output.
    const std::size_t take = std::min(kBlockSize - used_, wanted - filled);
    const std::uint8_t* bytes = block_ + used_;
    // Branch-free: every byte is written, but only an accepted one moves the position on.
    for (std::size_t i = 0; i < take; ++i) {
      const std::int16_t c = table[bytes[i]];
      target[filled] = static_cast<char>(c);
      filled += c >= 0 ? 1U : 0U;
    }
    used_ += take;
  }
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
