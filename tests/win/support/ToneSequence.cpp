#include "ToneSequence.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tone_sequence {
namespace {

constexpr unsigned blockMs = 20;
constexpr std::size_t shortestBlocks = 3;  // 60 ms
constexpr double silence = 1e-4;           // mean square of a block

double goertzelPower(const std::vector<float>& mono, std::size_t begin, std::size_t count,
                     double frequency, unsigned sampleRate) {
  const double pi = 3.14159265358979323846;
  const double coefficient = 2 * std::cos(2 * pi * frequency / sampleRate);
  double previous = 0;
  double beforePrevious = 0;
  for (std::size_t i = begin; i < begin + count; ++i) {
    double current = mono[i] + coefficient * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
  }
  return previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
}

// The tone of each block, or -1 for a silent one.
std::vector<int> blockTones(const std::vector<float>& mono, unsigned sampleRate,
                            const std::vector<double>& frequencies) {
  const std::size_t blockSize = sampleRate / 1000 * blockMs;
  std::vector<int> tones;
  for (std::size_t begin = 0; begin + blockSize <= mono.size(); begin += blockSize) {
    double energy = 0;
    for (std::size_t i = begin; i < begin + blockSize; ++i) energy += mono[i] * mono[i];
    if (energy / blockSize < silence) {
      tones.push_back(-1);
      continue;
    }
    int best = 0;
    double bestPower = -1;
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
      double power = goertzelPower(mono, begin, blockSize, frequencies[k], sampleRate);
      if (power > bestPower) {
        bestPower = power;
        best = static_cast<int>(k);
      }
    }
    tones.push_back(best);
  }
  return tones;
}

}  // namespace

std::vector<int> heard(const std::vector<float>& stereo, unsigned sampleRate,
                       const std::vector<double>& frequencies) {
  std::vector<float> mono(stereo.size() / 2);
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = (stereo[2 * i] + stereo[2 * i + 1]) / 2;
  const std::vector<int> tones = blockTones(mono, sampleRate, frequencies);
  std::vector<int> sequence;
  std::size_t runStart = 0;
  for (std::size_t i = 1; i <= tones.size(); ++i) {
    if (i < tones.size() && tones[i] == tones[runStart]) continue;
    const int tone = tones[runStart];
    const bool longEnough = i - runStart >= shortestBlocks;
    if (tone >= 0 && longEnough && (sequence.empty() || sequence.back() != tone)) sequence.push_back(tone);
    runStart = i;
  }
  return sequence;
}

Loudness loudness(const std::vector<float>& stereo, unsigned sampleRate) {
  const std::size_t block = 2 * (sampleRate / 1000 * blockMs);
  std::vector<double> levels;
  for (std::size_t begin = 0; begin + block <= stereo.size(); begin += block) {
    double energy = 0;
    for (std::size_t i = begin; i < begin + block; ++i) energy += stereo[i] * stereo[i];
    if (energy / block >= silence) levels.push_back(energy / block);
  }
  if (levels.empty()) return Loudness();
  std::nth_element(levels.begin(), levels.begin() + static_cast<std::ptrdiff_t>(levels.size() / 2), levels.end());
  return {10 * std::log10(levels[levels.size() / 2]), static_cast<unsigned>(levels.size() * blockMs)};
}

}  // namespace tone_sequence
