// Sample files written by other encoders, each frame compared pixel by pixel with the frame another
// decoder made of it (NAME.N.ppm beside NAME.gif), or with the error text in NAME.err. The folder
// named by MORVANE_GIF_CORPUS, when set, is checked the same way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "GifSamples.h"
#include "TestSupport.h"
#include "gif/GifUnit.h"

namespace fs = std::filesystem;
using namespace gif;
using gifsamples::Ppm;
using gifsamples::ReadPpm;

namespace {

// Empty when every frame matches; otherwise what differs first.
std::string CompareWithFrames(const fs::path& gifFile) {
  fs::path base = gifFile;
  base.replace_extension();
  fs::path errorFile = base.string() + ".err";
  TGifFile file;
  try {
    file.LoadFromFile(gifFile.string());
  } catch (const std::exception& error) {
    if (fs::exists(errorFile) && testsupport::ReadFile(errorFile.string()) == error.what()) return "";
    return std::string("load failed: ") + error.what();
  }
  if (fs::exists(errorFile)) return "loaded, but should fail with " + testsupport::ReadFile(errorFile.string());

  int frames = 0;
  while (fs::exists(base.string() + "." + std::to_string(frames) + ".ppm")) ++frames;
  if (frames != file.ImageCount())
    return std::to_string(file.ImageCount()) + " images, " + std::to_string(frames) + " expected frames";
  for (int index = 1; index <= frames; ++index) {
    TGifSubImage& image = file.GetSubImage(index);
    Ppm expected = ReadPpm(base.string() + "." + std::to_string(index - 1) + ".ppm");
    std::string frame = "frame " + std::to_string(index - 1) + ": ";
    if (expected.width != image.Width() || expected.height != image.Height())
      return frame + "size " + std::to_string(image.Width()) + "x" + std::to_string(image.Height()) + ", expected " +
             std::to_string(expected.width) + "x" + std::to_string(expected.height);
    const TColorTable& palette = image.Palette();
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < image.Width(); ++x) {
        const uint8_t* entry = palette.Entries[image.Pixels().RowData(y + 1)[x]];
        const char* wanted = expected.rgb.data() + 3 * (size_t(y) * image.Width() + x);
        if (std::memcmp(entry, wanted, 3) != 0)
          return frame + "pixel " + std::to_string(x) + "," + std::to_string(y) + " differs";
      }
  }
  return "";
}

void CheckFolder(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".gif") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << folder;
  for (const fs::path& file : files) {
    std::string difference = CompareWithFrames(file);
    std::cout << "[corpus] " << file.string() << ": " << (difference.empty() ? "ok" : difference) << "\n";
    EXPECT_EQ(difference, "") << file;
  }
}

}  // namespace

TEST(GifCorpus, SampleFilesMatchAnotherDecoder) { CheckFolder(fs::path(TEST_DATA_DIR) / "gif"); }

TEST(GifCorpus, FolderNamedByTheEnvironment) {
  const char* folder = std::getenv("MORVANE_GIF_CORPUS");
  if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "MORVANE_GIF_CORPUS is not set";
  CheckFolder(folder);
}
