// Decodes the same large GIF files with our decoder and with giflib and prints both times and their
// ratio. The files are written at start-up by giflib's encoder into a temporary folder.
#include <gif_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gif/GifUnit.h"

namespace fs = std::filesystem;

namespace {

struct Frame {
  int left, top, width, height;
};

struct Sample {
  std::string name;
  int width, height;
  bool interlaced;
  std::vector<Frame> frames;
};

// A picture with smooth areas, edges and some noise, like a scanned photograph reduced to 256
// colours: LZW strings of every length occur.
uint8_t PixelAt(int x, int y, int frame, uint32_t& noise) {
  noise = noise * 1664525u + 1013904223u;
  int smooth = ((x - 700) * (x - 700) + (y - 500) * (y - 500)) / 900 + frame * 3;
  int stripes = ((x / 37) ^ (y / 23)) & 3;
  return static_cast<uint8_t>(smooth + stripes * 16 + ((noise >> 28) & 3));
}

std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = start[pass]; y < height; y += step[pass]) rows.push_back(y);
  return rows;
}

void WriteSample(const Sample& sample, const std::string& fileName) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(fileName.c_str(), false, &error);
  if (gif == nullptr) throw std::runtime_error("cannot write " + fileName);
  EGifSetGifVersion(gif, true);
  ColorMapObject* map = GifMakeMapObject(256, nullptr);
  for (int i = 0; i < 256; ++i) map->Colors[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)};
  EGifPutScreenDesc(gif, sample.width, sample.height, 8, 0, map);
  uint32_t noise = 12345;
  for (size_t f = 0; f < sample.frames.size(); ++f) {
    const Frame& frame = sample.frames[f];
    const unsigned char control[4] = {0, 10, 0, 0};
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
    EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, sample.interlaced, nullptr);
    std::vector<GifPixelType> line(frame.width);
    for (int y : RowOrder(frame.height, sample.interlaced)) {
      for (int x = 0; x < frame.width; ++x) line[x] = PixelAt(x, y, static_cast<int>(f), noise);
      EGifPutLine(gif, line.data(), frame.width);
    }
  }
  GifFreeMapObject(map);
  EGifCloseFile(gif, &error);
}

void DecodeOurs(const std::string& fileName) {
  gif::TGifFile file;
  file.LoadFromFile(fileName);
  if (file.ImageCount() == 0) throw std::runtime_error("no image in " + fileName);
}

void DecodeGiflib(const std::string& fileName) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(fileName.c_str(), &error);
  if (gif == nullptr || DGifSlurp(gif) != GIF_OK) throw std::runtime_error("giflib cannot read " + fileName);
  DGifCloseFile(gif, &error);
}

// The best of several runs, in milliseconds.
double BestTime(const std::function<void()>& run, int repeats) {
  double best = 1e300;
  for (int i = 0; i < repeats; ++i) {
    auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main() {
  std::vector<Sample> samples = {
      {"large", 3000, 2000, false, {{0, 0, 3000, 2000}}},
      {"large-interlaced", 2400, 1800, true, {{0, 0, 2400, 1800}}},
      {"animation", 800, 600, false, {}},
  };
  for (int f = 0; f < 40; ++f) samples[2].frames.push_back({(f * 13) % 400, (f * 7) % 300, 400, 300});
  samples[2].frames[0] = {0, 0, 800, 600};

  fs::path folder = fs::temp_directory_path() / "morvane-bench-gif";
  fs::create_directories(folder);
  const int repeats = 7;
  double oursTotal = 0, giflibTotal = 0;
  std::printf("%-18s %10s %12s %12s %8s\n", "file", "bytes", "ours ms", "giflib ms", "ratio");
  for (const Sample& sample : samples) {
    std::string fileName = (folder / (sample.name + ".gif")).string();
    WriteSample(sample, fileName);
    DecodeOurs(fileName);  // warm the file cache for both
    double ours = BestTime([&] { DecodeOurs(fileName); }, repeats);
    double giflib = BestTime([&] { DecodeGiflib(fileName); }, repeats);
    oursTotal += ours;
    giflibTotal += giflib;
    std::printf("%-18s %10ju %12.2f %12.2f %8.2f\n", sample.name.c_str(), uintmax_t(fs::file_size(fileName)), ours,
                giflib, ours / giflib);
  }
  std::printf("%-18s %10s %12.2f %12.2f %8.2f\n", "all", "", oursTotal, giflibTotal, oursTotal / giflibTotal);
  std::printf("ratio = our time / giflib time (below 1: ours is faster)\n");
  fs::remove_all(folder);
  return 0;
}
