#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qinghe {

// Where the characters of a password come from. The program always uses SecureRandomSource;
// tests hand the builder a scripted one.
class RandomSource {
 public:
  RandomSource() = default;
  RandomSource(const RandomSource&) = delete;
  RandomSource& operator=(const RandomSource&) = delete;
  virtual ~RandomSource() = default;

  // Fills out with independent draws from 0 to bound - 1, every value equally likely.
  // bound is at least 1.
  virtual void drawBelow(std::uint32_t bound, std::span<std::uint32_t> out) = 0;

  // Fills out with characters of `characters` (1 to 256 of them), one draw of drawBelow's kind
  // per character, left to right. A source may do this faster than draw by draw.
  virtual void fillFromCharacters(std::string_view characters, std::span<char> out);

  // A value of the closed range between the two bounds, every value equally likely. A bound
  // below 0 counts as 0, the bounds may come in either order, equal bounds give that bound
  // without a draw, and the span is at most 2147483646.
  std::int32_t randomInRange(std::int32_t first, std::int32_t second);
};

// Draws from the operating system's cryptographically secure generator (or a maintained
// library's generator that it seeds), read in large blocks so that a draw costs nanoseconds.
class SecureRandomSource final : public RandomSource {
 public:
  SecureRandomSource();
  ~SecureRandomSource() override;

  void drawBelow(std::uint32_t bound, std::span<std::uint32_t> out) override;
  void fillFromCharacters(std::string_view characters, std::span<char> out) override;

 private:
  std::uint8_t nextByte();
  std::uint32_t nextWord();
  void refill();
  void prepareByteTable(std::uint32_t bound);
  void prepareCharacterTable(std::string_view characters);

  static constexpr std::size_t kBlockSize = std::size_t{64} * 1024;
  static constexpr std::uint8_t kRejected = 0xFF;

  std::uint8_t block_[kBlockSize] = {};
  std::size_t used_ = kBlockSize;
  // For bounds up to 255: byte value -> draw, or kRejected for the bytes above the largest
  // multiple of bound, which would favour the low draws.
  std::uint32_t tableBound_ = 0;
  std::uint8_t byteTable_[256] = {};
  // The same for characters: byte value -> character, or -1 for a rejected byte.
  std::string_view tableCharacters_;
  std::int16_t characterTable_[256] = {};
};

// Fills bytes from the platform's secure generator; throws std::system_error when it fails.
// One small file per platform provides it.
void fillSecureRandomBytes(std::span<std::uint8_t> bytes);

}  // namespace qinghe
