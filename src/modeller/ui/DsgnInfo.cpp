#include "modeller/ui/DsgnInfo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/Inspect.h"
#include "platform/ModalService.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

enum TDesignCount { dcClasses, dcInterfaces, dcTotalClasses, dcTotalInterfaces, dcAssociations, dcInheritances,
                    dcInstantiations, dcComments };

const char* const kCountLabels[kDesignCountRows] = {"classes",        "interfaces",   "total classes",
                                                    "total interfaces", "associations", "inheritances",
                                                    "instantiations", "comments"};

void CountNode(const TNode* node, TDesignCounts& counts) {
  if (const auto* javaClass = dynamic_cast<const TJavaClass*>(node)) {
    ++counts[dcTotalClasses];
    if (javaClass->PackageMember()) ++counts[dcClasses];
  } else if (const auto* javaInterface = dynamic_cast<const TJavaInterface*>(node)) {
    ++counts[dcTotalInterfaces];
    if (javaInterface->PackageMember()) ++counts[dcInterfaces];
  } else if (dynamic_cast<const TComment*>(node) != nullptr) {
    ++counts[dcComments];
  }
}

void CountEdge(const TEdge* edge, TDesignCounts& counts) {
  if (dynamic_cast<const TAssociation*>(edge) != nullptr) ++counts[dcAssociations];
  else if (dynamic_cast<const TSubClassing*>(edge) != nullptr) ++counts[dcInheritances];
  else if (dynamic_cast<const TInstantiate*>(edge) != nullptr) ++counts[dcInstantiations];
}

}  // namespace

TDesignCounts CountDesignSymbols(const TGraph& graph) {
  TDesignCounts counts{};
  for (int i = 0; i < graph.NodeCount(); ++i) CountNode(graph.Nodes(i), counts);
  for (int i = 0; i < graph.EdgeCount(); ++i) CountEdge(graph.Edges(i), counts);
  return counts;
}

TDesignInfoForm::TDesignInfoForm() {
  setObjectName("DesignInfoForm");
  setWindowFlag(Qt::Dialog);
  SetCaption("Design Information");
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("Design Info.", this);
  auto* grid = new QGridLayout(group);
  TitleEdit = new QLineEdit(group);
  TitleEdit->setObjectName("TitleEdit");
  AuthorEdit = new QLineEdit(group);
  AuthorEdit->setObjectName("AuthorEdit");
  CommentsMemo = new platform::TMemo(group);
  CommentsMemo->setObjectName("CommentsMemo");
  CommentsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The counts are shown, not edited: every cell is a header cell.
  MoreInfoStringGrid = new platform::TStringGrid(group, 2, kDesignCountRows + 1, 2, 1);
  MoreInfoStringGrid->setObjectName("MoreInfoStringGrid");
  MoreInfoStringGrid->SetDefaultColWidth(154);
  MoreInfoStringGrid->SetDefaultRowHeight(18);
  MoreInfoStringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MoreInfoStringGrid->setFixedWidth(2 * 154 + 24);
  grid->addWidget(new QLabel("Title :", group), 0, 0);
  grid->addWidget(TitleEdit, 0, 1);
  grid->addWidget(new QLabel("Author :", group), 1, 0);
  grid->addWidget(AuthorEdit, 1, 1);
  grid->addWidget(new QLabel("Comments :", group), 2, 0, Qt::AlignTop);
  grid->addWidget(CommentsMemo, 2, 1);
  grid->addWidget(new QLabel("More Info. :", group), 3, 0, Qt::AlignTop);
  grid->addWidget(MoreInfoStringGrid, 3, 1);
  layout->addWidget(group);

  layout->addLayout(OkCancelRow(*this, OKButton, CancelButton));
}

int TDesignInfoForm::Execute() {
  return ExecuteDialog(*this, [this] { FillDesignInfo(); }, [this] { StoreDesignInfo(); });
}

void TDesignInfoForm::FormShow() { FillDesignInfo(); }

void TDesignInfoForm::FillDesignInfo() {
  SetEditText(*TitleEdit, DesignTitle);
  SetEditText(*AuthorEdit, DesignAuthor);
  SetMemoLines(*CommentsMemo, DesignComments);
  MoreInfoStringGrid->SetCells(0, 0, "symbols");
  MoreInfoStringGrid->SetCells(1, 0, "number of symbols");
  const TDesignCounts counts = TheGraph != nullptr ? CountDesignSymbols(*TheGraph) : TDesignCounts{};
  for (int row = 0; row < kDesignCountRows; ++row) {
    MoreInfoStringGrid->SetCells(0, row + 1, kCountLabels[row]);
    MoreInfoStringGrid->SetCells(1, row + 1, platform::IntToStr(counts[static_cast<size_t>(row)]));
  }
}

void TDesignInfoForm::StoreDesignInfo() {
  const std::string title = EditText(*TitleEdit);
  const std::string author = EditText(*AuthorEdit);
  const platform::TStringList comments = MemoLines(*CommentsMemo);
  if (title == DesignTitle && author == DesignAuthor && comments.Lines() == DesignComments.Lines()) return;
  DesignTitle = title;
  DesignAuthor = author;
  DesignComments.Assign(comments);
  if (TheGraph != nullptr) TheGraph->Modified = true;
}

}  // namespace modeller
