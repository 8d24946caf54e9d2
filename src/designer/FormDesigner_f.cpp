#include "designer/FormDesigner_f.h"

#include "platform/RichEdit.h"
#include "workbench/Main.h"

namespace designer {

namespace {

// Where a new design frame opens, as outer geometry: a 400 x 300 client area.
constexpr int kNewFrameLeft = 200;
constexpr int kNewFrameTop = 120;
constexpr int kNewFrameWidth = 400 + 2 * platform::WindowMetricsConst::FrameWidth;
constexpr int kNewFrameHeight =
    300 + platform::WindowMetricsConst::CaptionHeight + 2 * platform::WindowMetricsConst::FrameHeight;

}  // namespace

TFrame::TFrame(QWidget* owner) : platform::TForm(owner) {
  SetBounds(kNewFrameLeft, kNewFrameTop, kNewFrameWidth, kNewFrameHeight);
  Tag = 1111;  // default cursor, enabled, resizable
  QPalette colours = palette();
  colours.setColor(QPalette::Window, platform::ToQColor(0xC0C0C0));
  setPalette(colours);
  setAutoFillBackground(true);
  const workbench::TDesignFont& design = workbench::DesignFont;
  QFont face(QString::fromStdString(design.Name), design.Size);
  face.setBold(design.Bold);
  setFont(face);
}

std::string TFrame::Name() const { return objectName().toStdString(); }

void TFrame::SetName(const std::string& name) {
  if (Caption() == Name()) SetCaption(name);
  setObjectName(QString::fromStdString(name));
}

}  // namespace designer
