// Generates the 256 x 256 grey marble texture, an 8-bit bitmap with a grey colour table:
// a light clouded ground crossed by fine darker and whiter veins bent by turbulence.
// The pattern wraps at the edges, so the texture tiles without seams.
// Usage: make_marble OUTPUT.bmp
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/bmp_writer.h"

namespace {
constexpr int kEdge = 256;
constexpr double kTwoPi = 6.283185307179586;
constexpr std::uint32_t kSeed = 20240611;

// Greys that the Windows loader maps to the system's 3D colours when they are used.
constexpr std::uint8_t kMappedGreys[] = {128, 192, 223};

struct VeinSet {
  int stripesX;  // whole stripes across the tile keep it seamless
  int stripesY;
  double bend;       // how far the turbulence pushes the stripes, in radians
  double sharpness;  // higher is thinner
  double depth;      // grey levels added on the centre line; negative for dark veins
  std::uint32_t salt;
};

constexpr double kGround = 214.0;
constexpr double kCloudDepth = 20.0;
constexpr std::uint32_t kCloudSalt = 1;
constexpr VeinSet kVeins[] = {
    {2, 1, 3.2, 10.0, -72.0, 2},  // the main dark veins
    {3, 2, 4.5, 26.0, -34.0, 3},  // fainter dark threads
    {1, -2, 2.6, 18.0, 34.0, 4},  // white veins
};

// Integer hashing only, so the pattern does not depend on the platform's random generator.
double LatticeValue(int x, int y, std::uint32_t salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                    static_cast<std::uint32_t>(y) * 0xd8163841u ^ (kSeed + salt) * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return static_cast<double>(h & 0xffffffu) / 16777216.0;
}

double Fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

// Smooth value noise in [0, 1) with `cells` lattice cells across the tile, wrapping at its edges.
double TileNoise(double x, double y, int cells, std::uint32_t salt) {
  const double u = x * cells / kEdge;
  const double v = y * cells / kEdge;
  const int u0 = static_cast<int>(std::floor(u));
  const int v0 = static_cast<int>(std::floor(v));
  const auto at = [&](int i, int j) {
    return LatticeValue((i % cells + cells) % cells, (j % cells + cells) % cells, salt);
  };
  const double fu = Fade(u - u0);
  const double fv = Fade(v - v0);
  const double top = at(u0, v0) + (at(u0 + 1, v0) - at(u0, v0)) * fu;
  const double bottom = at(u0, v0 + 1) + (at(u0 + 1, v0 + 1) - at(u0, v0 + 1)) * fu;
  return top + (bottom - top) * fv;
}

// Octaves of folded noise in [0, 1]: the creases give the veins their kinks.
double Turbulence(double x, double y, std::uint32_t salt) {
  constexpr int kOctaves = 6;
  double sum = 0.0;
  double weight = 1.0;
  double total = 0.0;
  for (int octave = 0; octave < kOctaves; ++octave) {
    sum += weight * std::fabs(2.0 * TileNoise(x, y, 4 << octave, salt * 16 + octave) - 1.0);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

// Plain octaves in [0, 1] for the soft clouding of the ground.
double Clouds(double x, double y) {
  constexpr int kOctaves = 5;
  double sum = 0.0;
  double weight = 1.0;
  double total = 0.0;
  for (int octave = 0; octave < kOctaves; ++octave) {
    sum += weight * TileNoise(x, y, 2 << octave, kCloudSalt * 16 + octave);
    total += weight;
    weight *= 0.55;
  }
  return sum / total;
}

// 1 on the centre line of a vein, falling off quickly to 0 beside it.
double Vein(double x, double y, const VeinSet& veins) {
  const double phase = kTwoPi * (veins.stripesX * x + veins.stripesY * y) / kEdge +
                       veins.bend * Turbulence(x, y, veins.salt);
  return std::pow(1.0 - std::fabs(std::sin(phase)), veins.sharpness);
}

std::uint8_t Grey(int x, int y) {
  double grey = kGround + kCloudDepth * (Clouds(x, y) - 0.5);
  for (const VeinSet& veins : kVeins) grey += veins.depth * Vein(x, y, veins);
  auto level = static_cast<std::uint8_t>(std::lround(std::clamp(grey, 0.0, 255.0)));
  // One level lighter cannot be seen, and keeps every pixel off the remapped entries.
  if (std::find(std::begin(kMappedGreys), std::end(kMappedGreys), level) != std::end(kMappedGreys))
    ++level;
  return level;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_marble OUTPUT.bmp\n");
    return 2;
  }
  BmpPalette greys{};
  for (std::size_t i = 0; i < greys.size(); ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    greys[i] = {level, level, level};
  }
  std::vector<std::uint8_t> indices;
  indices.reserve(static_cast<std::size_t>(kEdge) * kEdge);
  for (int y = 0; y < kEdge; ++y) {
    for (int x = 0; x < kEdge; ++x) indices.push_back(Grey(x, y));
  }
  if (!WriteBytes(argv[1], EncodeBmp8(kEdge, kEdge, indices, greys))) {
    std::fprintf(stderr, "make_marble: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
