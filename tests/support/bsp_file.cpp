#include "support/bsp_file.h"

#include <cstdint>

namespace {
constexpr std::uint32_t kVersion = 30;
constexpr std::size_t kLumps = 15;
constexpr std::size_t kHeaderSize = 4 + kLumps * 8;

void appendLittleEndian(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t littleEndianAt(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}
}  // namespace

std::string bspWithEntities(std::string_view entities) {
  const auto size = static_cast<std::uint32_t>(entities.size());
  std::string bytes;
  appendLittleEndian(bytes, kVersion);
  appendLittleEndian(bytes, kHeaderSize);
  appendLittleEndian(bytes, size);
  for (std::size_t lump = 1; lump < kLumps; ++lump) {
    appendLittleEndian(bytes, static_cast<std::uint32_t>(kHeaderSize) + size);
    appendLittleEndian(bytes, 0);
  }
  return bytes.append(entities);
}

std::optional<std::string> entityLumpOf(std::string_view bsp) {
  if (bsp.size() < kHeaderSize || littleEndianAt(bsp, 0) != kVersion) return std::nullopt;
  const std::size_t offset = littleEndianAt(bsp, 4), length = littleEndianAt(bsp, 8);
  if (offset > bsp.size() || length > bsp.size() - offset) return std::nullopt;
  return std::string(bsp.substr(offset, length));
}

std::string sampleEntities(const std::string& country) {
  std::string text = "{\n\"classname\" \"worldspawn\"\n\"wad\" \"sample.wad\"\n}\n";
  if (!country.empty())
    text += "{\n\"classname\" \"info_doddetect\"\n\"detect_allies_country\" \"" + country + "\"\n}\n";
  return text;
}
