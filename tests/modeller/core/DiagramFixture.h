#pragma once
// A diagram on an offscreen paint box, with helpers that add boxes and links as the handlers do.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "modeller/core/GraphObj.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"

class DiagramTest : public testsupport::ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    modeller::RegisterGraphClasses();
    paintBox_ = std::make_unique<platform::TPaintBox>();
    paintBox_->resize(600, 400);
    paintBox_->show();
    graph_.SetPaintBox(paintBox_.get());
  }

  modeller::TRectangularNode* Box(int left, int top, int right, int bottom) {
    return Box(graph_, left, top, right, bottom);
  }
  static modeller::TRectangularNode* Box(modeller::TGraph& graph, int left, int top, int right, int bottom) {
    auto* node = modeller::Make<modeller::TRectangularNode>(&graph);
    node->Place(left, top, right, bottom);
    return node;
  }
  // A link dragged from (x1, y1) on its FromNode to (x2, y2) on its ToNode.
  modeller::TOrthogonalEdge* Link(int x1, int y1, int x2, int y2) { return Link(graph_, x1, y1, x2, y2); }
  static modeller::TOrthogonalEdge* Link(modeller::TGraph& graph, int x1, int y1, int x2, int y2) {
    auto* edge = modeller::Make<modeller::TOrthogonalEdge>(&graph);
    edge->Place(x1, y1, x2, y2);
    return edge;
  }

  static std::vector<platform::TPoint> Route(const modeller::TOrthogonalEdge& edge) {
    return edge.Points.ToVector();
  }

  // The diagram as its model-file text: the graph stored as one object.
  static std::string TextOf(const modeller::TGraph& graph) {
    modeller::TRider rider;
    rider.WriteObject(&graph);
    return rider.Text();
  }

  // A graph read back from text, with no paint box.
  static std::unique_ptr<modeller::TGraph> GraphFrom(const std::string& text) {
    modeller::TRider rider;
    rider.SetText(text);
    std::unique_ptr<modeller::TStorable> read(rider.ReadObject());
    auto* graph = dynamic_cast<modeller::TGraph*>(read.get());
    if (graph != nullptr) read.release();
    return std::unique_ptr<modeller::TGraph>(graph);
  }

  template <class E>
  static std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const E& error) {
      return error.Message();
    }
    return "(no error)";
  }

  platform::TCanvas& Canvas() { return *paintBox_->Canvas(); }

  std::unique_ptr<platform::TPaintBox> paintBox_;
  modeller::TGraph graph_;
};

// Joins text lines, each ended by CR LF, as the files hold them.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
