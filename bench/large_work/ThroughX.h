#pragma once
// The same work in the real modeller on an X server with a window manager, driven through X as a
// user drives it (tests/desktop's hands), each action timed from its event to the last change of
// the main window's pixels, seen through the X server's damage reports.
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct TSpot {
  int X = 0;
  int Y = 0;
};

// Where the diagram lies in the main window's client area of a given size.
struct TDiagramLayout {
  TSpot PaintBox;            // the diagram's top-left pixel, not scrolled
  TSpot ScrollDown, ScrollUp;  // the vertical scroll bar's step arrows
};

struct TXScene {
  std::string ModelFile;
  TSpot Extent;       // the diagram's largest right and bottom
  TSpot OnClass;      // a point on a class near the diagram's top-left corner
  TSpot EmptySpot;    // a point near it where no object lies
  std::function<TDiagramLayout(int width, int height)> LayoutFor;
};

// The actions timed, in the order of TimeThroughX's figures.
extern const char* const kXActions[7];

// One run of an action: the time until the window's last change, and the processor time the
// modeller spent on it (work it left for later included), in milliseconds.
struct TXTime {
  double Wall = 0;
  double Processor = 0;
};

// The medians of several runs of each action.
struct TXFigures {
  std::vector<double> Wall, Processor;
};
TXFigures TimeThroughX(const TXScene& scene);

}  // namespace bench
