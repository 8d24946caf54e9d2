// The animated image control in a real widget: loading, the first image, the animation timer and
// frames drawn at their offsets; and the progress window.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>

#include "GifSamples.h"
#include "TestSupport.h"
#include "gif/FmProgr.h"
#include "gif/GifImage.h"

using namespace gif;
using gifsamples::LzwStream;
using gifsamples::ReadPpm;
using gifsamples::SampleFile;
using gifsamples::SampleImage;

namespace {

const std::string SampleDir = std::string(TEST_DATA_DIR) + "/gif/";

// True when the w x h area of `picture` at (left, top) holds exactly the pixels of the PPM file.
bool AreaMatches(const QImage& picture, int left, int top, const std::string& ppmFile) {
  gifsamples::Ppm ppm = ReadPpm(ppmFile);
  if (ppm.width == 0) return false;
  for (int y = 0; y < ppm.height; ++y)
    for (int x = 0; x < ppm.width; ++x) {
      const char* rgb = ppm.rgb.data() + 3 * (size_t(y) * ppm.width + x);
      if (picture.pixel(left + x, top + y) != qRgb(uint8_t(rgb[0]), uint8_t(rgb[1]), uint8_t(rgb[2]))) return false;
    }
  return true;
}

// Runs the event loop until `done` or the time is up; returns `done()`.
template <typename Condition>
bool WaitFor(Condition done, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

class GifImageTest : public testsupport::ScriptedTest {
 protected:
  // A file of 2 x 2 images, each of one colour index, with the given delays (-1: none).
  std::string Animation(const std::vector<int>& delays) {
    SampleFile sample;
    sample.width = 2;
    sample.height = 2;
    sample.globalTable = {255, 0, 0, 0, 0, 255};
    for (size_t i = 0; i < delays.size(); ++i) {
      LzwStream lzw(2);
      lzw.Clear();
      lzw.Roots(std::vector<uint8_t>(4, static_cast<uint8_t>(i % 2)));
      lzw.End();
      SampleImage image;
      image.width = image.height = 2;
      image.lzw = lzw.Bytes();
      image.delay = delays[i];
      sample.images.push_back(image);
    }
    std::string fileName = temp_.File("animation" + std::to_string(fileCount_++) + ".gif");
    testsupport::WriteFile(fileName, gifsamples::WriteGif(sample));
    return fileName;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& request : platform::ModalService::Instance().Log()) texts.push_back(request.text);
    return texts;
  }

  TGifImage image_;
  int fileCount_ = 0;
};

}  // namespace

TEST_F(GifImageTest, ShowsImageOneAndDrawsLaterFramesAtTheirOffsets) {
  image_.resize(40, 30);
  image_.LoadFromFile(SampleDir + "anim.gif");
  EXPECT_FALSE(image_.Loading());
  EXPECT_EQ(image_.CurrentFrame(), 1);
  EXPECT_EQ(image_.AnimationTimer().Interval(), 250);
  EXPECT_FALSE(image_.AnimationTimer().Enabled());
  ASSERT_EQ(image_.Picture().size(), QSize(40, 30));
  EXPECT_TRUE(AreaMatches(image_.Picture(), 0, 0, SampleDir + "anim.0.ppm"));
  QImage screen = image_.grab().toImage();
  EXPECT_EQ(screen.pixel(39, 29), image_.Picture().pixel(39, 29));
  QRgb corner = image_.Picture().pixel(0, 0);

  image_.NextFrame();
  EXPECT_EQ(image_.CurrentFrame(), 2);
  EXPECT_TRUE(AreaMatches(image_.Picture(), 5, 7, SampleDir + "anim.1.ppm"));
  EXPECT_EQ(image_.Picture().pixel(0, 0), corner);

  image_.NextFrame();
  EXPECT_TRUE(AreaMatches(image_.Picture(), 30, 20, SampleDir + "anim.2.ppm"));
  EXPECT_TRUE(AreaMatches(image_.Picture(), 5, 7, SampleDir + "anim.1.ppm")) << "earlier frames stay";

  image_.NextFrame();
  EXPECT_EQ(image_.CurrentFrame(), 1);
  EXPECT_TRUE(AreaMatches(image_.Picture(), 0, 0, SampleDir + "anim.0.ppm"));
}

TEST_F(GifImageTest, TimerStepsThroughTheFramesOnlyWhenSwitchedOn) {
  std::string fileName = Animation({1, 1, 1});
  image_.LoadFromFile(fileName);
  EXPECT_EQ(image_.AnimationTimer().Interval(), 10);
  EXPECT_FALSE(WaitFor([&] { return image_.CurrentFrame() != 1; }, 100)) << "no animation before SetAnimate";

  image_.SetAnimate(true);
  EXPECT_TRUE(WaitFor([&] { return image_.CurrentFrame() == 3; }, 5000));
  EXPECT_EQ(image_.Picture().pixel(0, 0), qRgb(255, 0, 0));
  image_.SetAnimate(false);
  EXPECT_FALSE(image_.AnimationTimer().Running());

  TGifImage immediate;
  immediate.StartImmediately = true;
  immediate.LoadFromFile(fileName);
  EXPECT_TRUE(immediate.AnimationTimer().Running());
  EXPECT_TRUE(WaitFor([&] { return immediate.CurrentFrame() != 1; }, 5000));
}

TEST_F(GifImageTest, SingleImageNeverAnimates) {
  image_.StartImmediately = true;
  image_.LoadFromFile(SampleDir + "mono.gif");
  EXPECT_TRUE(AreaMatches(image_.Picture(), 0, 0, SampleDir + "mono.0.ppm"));
  EXPECT_FALSE(image_.AnimationTimer().Enabled());
  image_.SetAnimate(true);
  EXPECT_FALSE(image_.AnimationTimer().Running());
}

// A file of thousands of frames without delays asks for one OK, not one for each frame.
TEST_F(GifImageTest, MissingDelaysWarnOncePerFileAndNeverTick) {
  Modal().Queue(platform::mrOk);
  image_.LoadFromFile(Animation(std::vector<int>(3000, -1)));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Multiple subimages; no animation time interval found"}));
  EXPECT_EQ(image_.AnimationTimer().Interval(), 0);
  image_.SetAnimate(true);
  EXPECT_TRUE(image_.AnimationTimer().Enabled());
  EXPECT_FALSE(WaitFor([&] { return image_.CurrentFrame() != 1; }, 100));

  Modal().Reset();
  Modal().Queue(platform::mrOk);
  image_.LoadFromFile(Animation({10, 0, 10}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Multiple subimages; no animation time interval found"}));
  EXPECT_EQ(image_.AnimationTimer().Interval(), 100);
  EXPECT_FALSE(image_.AnimationTimer().Enabled()) << "a load switches the timer off";
}

TEST_F(GifImageTest, FileWithoutImageOrBadFileFailsAndTheTimerRests) {
  SampleFile empty;
  testsupport::WriteFile(temp_.File("empty.gif"), gifsamples::WriteGif(empty));
  try {
    image_.LoadFromFile(temp_.File("empty.gif"));
    FAIL() << "no error";
  } catch (const EGifException& error) {
    EXPECT_EQ(error.Message(), "No image in GIF file " + temp_.File("empty.gif"));
  }

  image_.LoadFromFile(Animation({1, 1}));
  image_.SetAnimate(true);
  QImage shown = image_.Picture();
  EXPECT_THROW(image_.LoadFromFile(SampleDir + "truncated.gif"), EInOutError);
  EXPECT_TRUE(image_.Loading());
  EXPECT_FALSE(WaitFor([&] { return image_.CurrentFrame() != 1; }, 100)) << "ticks wait for a good load";
  EXPECT_EQ(image_.Picture(), shown);
}

TEST_F(GifImageTest, ProgressWindowShowsTheFractionAndHidesWhenDone) {
  ShowProgress(0.426);
  EXPECT_EQ(ProgressForm()->Caption(), "Progress");
  EXPECT_TRUE(ProgressForm()->isVisible());
  EXPECT_EQ(ProgressForm()->Gauge1->value(), 43);
  ShowProgress(1.0);
  EXPECT_FALSE(ProgressForm()->isVisible());
}
