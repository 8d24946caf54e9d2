#pragma once
// The nine creation handlers of the diagram symbols and the rules that decide which links between
// which boxes are allowed. They make model elements, so they live beside the windows rather than in
// the diagram core, which knows nothing of the model.
#include "modeller/core/Handlers.h"

namespace modeller {

class TBoxCreateHandler : public TCreateHandler {
 public:
  using TCreateHandler::TCreateHandler;
  void DrawShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) override;
};

class TLinkCreateHandler : public TCreateHandler {
 public:
  using TCreateHandler::TCreateHandler;
  void DrawShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) override;
};

class TClassCreateHandler : public TBoxCreateHandler {
 public:
  using TBoxCreateHandler::TBoxCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TInterfaceCreateHandler : public TBoxCreateHandler {
 public:
  using TBoxCreateHandler::TBoxCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TCommentCreateHandler : public TBoxCreateHandler {
 public:
  using TBoxCreateHandler::TBoxCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TTextCreateHandler : public TBoxCreateHandler {
 public:
  using TBoxCreateHandler::TBoxCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

// A drag from the subtype to the supertype, or onto the junction of a supertype.
class TInheritanceCreateHandler : public TLinkCreateHandler {
 public:
  using TLinkCreateHandler::TLinkCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TAssociationCreateHandler : public TLinkCreateHandler {
 public:
  using TLinkCreateHandler::TLinkCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TAggregationCreateHandler : public TLinkCreateHandler {
 public:
  using TLinkCreateHandler::TLinkCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TInstantiateCreateHandler : public TLinkCreateHandler {
 public:
  using TLinkCreateHandler::TLinkCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

class TCommentLinkCreateHandler : public TLinkCreateHandler {
 public:
  using TLinkCreateHandler::TLinkCreateHandler;
  void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) override;
};

// The new inheritance: a junction below the supertype's drag end, its edge up to the supertype and
// the subtype's edge into its base.
void InheritanceBuild(TGraph& graph, TNode& subtype, TNode& supertype, int x1, int y1, int x2, int y2);
// One more subtype of the junction's supertype.
void InheritanceJoin(TGraph& graph, TNode& subtype, TNode& junction, int x1, int y1, int x2, int y2);

}  // namespace modeller
