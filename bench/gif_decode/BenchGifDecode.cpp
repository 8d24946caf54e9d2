// Decodes the same GIF files with our decoder and with giflib and prints both times and their
// ratio: large pictures one at a time, and small ones (under 2 KB: icons, buttons, a short
// animation) many times over, where the cost of opening a file counts. The files are written at
// start-up by giflib's encoder into a temporary folder.
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
  int colorBits = 8;
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
  const int colors = 1 << sample.colorBits;
  ColorMapObject* map = GifMakeMapObject(colors, nullptr);
  for (int i = 0; i < colors; ++i) map->Colors[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)};
  EGifPutScreenDesc(gif, sample.width, sample.height, sample.colorBits, 0, map);
  uint32_t noise = 12345;
  for (size_t f = 0; f < sample.frames.size(); ++f) {
    const Frame& frame = sample.frames[f];
    const unsigned char control[4] = {0, 10, 0, 0};
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
    EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, sample.interlaced, nullptr);
    std::vector<GifPixelType> line(frame.width);
    for (int y : RowOrder(frame.height, sample.interlaced)) {
      for (int x = 0; x < frame.width; ++x) line[x] = PixelAt(x, y, static_cast<int>(f), noise) & (colors - 1);
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
  for (int index = 1; index <= file.ImageCount(); ++index) file.GetSubImage(index).DecodeLzw();
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

struct Totals {
  double ours = 0, giflib = 0;
};

// Prints one line per file: the best time of `repeats` runs of `decodes` decodes, for each decoder.
Totals Compare(const std::vector<Sample>& samples, const fs::path& folder, int repeats, int decodes) {
  Totals totals;
  for (const Sample& sample : samples) {
    std::string fileName = (folder / (sample.name + ".gif")).string();
    WriteSample(sample, fileName);
    DecodeOurs(fileName);  // warm the file cache for both
    double ours = BestTime([&] { for (int i = 0; i < decodes; ++i) DecodeOurs(fileName); }, repeats);
    double giflib = BestTime([&] { for (int i = 0; i < decodes; ++i) DecodeGiflib(fileName); }, repeats);
    totals.ours += ours;
    totals.giflib += giflib;
    std::printf("%-18s %10ju %12.2f %12.2f %8.2f\n", sample.name.c_str(), uintmax_t(fs::file_size(fileName)), ours,
                giflib, ours / giflib);
  }
  return totals;
}

void PrintTotal(const char* name, const Totals& totals) {
  std::printf("%-18s %10s %12.2f %12.2f %8.2f\n", name, "", totals.ours, totals.giflib, totals.ours / totals.giflib);
}

}  // namespace

int main() {
  std::vector<Sample> large = {
      {"large", 3000, 2000, false, {{0, 0, 3000, 2000}}},
      {"large-interlaced", 2400, 1800, true, {{0, 0, 2400, 1800}}},
      {"animation", 800, 600, false, {}},
  };
  for (int f = 0; f < 40; ++f) large[2].frames.push_back({(f * 13) % 400, (f * 7) % 300, 400, 300});
  large[2].frames[0] = {0, 0, 800, 600};
  std::vector<Sample> small = {
      {"icon-16", 16, 16, false, {{0, 0, 16, 16}}, 4},
      {"icon-32", 32, 32, false, {{0, 0, 32, 32}}, 4},
      {"mono-64x24", 64, 24, false, {{0, 0, 64, 24}}, 1},
      {"button-interlaced", 40, 20, true, {{0, 0, 40, 20}}, 4},
      {"spinner-4-frames", 16, 16, false, {{0, 0, 16, 16}, {0, 0, 16, 16}, {4, 4, 8, 8}, {0, 0, 16, 16}}, 2},
  };

  fs::path folder = fs::temp_directory_path() / "morvane-bench-gif";
  fs::create_directories(folder);
  std::printf("%-18s %10s %12s %12s %8s\n", "large file", "bytes", "ours ms", "giflib ms", "ratio");
  PrintTotal("all large", Compare(large, folder, 7, 1));
  const int decodes = 1000;
  std::printf("\n%-18s %10s %12s %12s %8s\n", "small file", "bytes", "ours ms", "giflib ms", "ratio");
  PrintTotal("all small", Compare(small, folder, 7, decodes));
  std::printf("times: the best of 7 runs; a small file's run decodes it %d times\n", decodes);
  std::printf("ratio = our time / giflib time (below 1: ours is faster)\n");
  fs::remove_all(folder);
  return 0;
}
