#include "ToneFile.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace tone_file {
namespace {

void put16(std::vector<unsigned char>& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<unsigned char>(value));
  bytes.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char>& bytes, std::uint32_t value) {
  put16(bytes, static_cast<std::uint16_t>(value));
  put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<unsigned char>& bytes, const char* tag) { bytes.insert(bytes.end(), tag, tag + 4); }

}  // namespace

bool writeWav(const std::string& path, double frequency, unsigned milliseconds) {
  const unsigned channels = 2;
  const std::uint32_t frames = sampleRate / 1000 * milliseconds;
  const std::uint32_t dataSize = frames * channels * 2;
  std::vector<unsigned char> bytes;
  putTag(bytes, "RIFF");
  put32(bytes, 36 + dataSize);
  putTag(bytes, "WAVE");
  putTag(bytes, "fmt ");
  put32(bytes, 16);
  put16(bytes, 1);  // PCM
  put16(bytes, channels);
  put32(bytes, sampleRate);
  put32(bytes, sampleRate * channels * 2);
  put16(bytes, channels * 2);
  put16(bytes, 16);
  putTag(bytes, "data");
  put32(bytes, dataSize);
  const double pi = 3.14159265358979323846;
  for (std::uint32_t i = 0; i < frames; ++i) {
    double sample = 0.5 * std::sin(2 * pi * frequency * i / sampleRate);
    auto value = static_cast<std::int16_t>(std::lround(sample * 32767));
    for (unsigned c = 0; c < channels; ++c) put16(bytes, static_cast<std::uint16_t>(value));
  }
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

}  // namespace tone_file
