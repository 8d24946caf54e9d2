#pragma once
// TDesignInfoForm: the "Design Information" dialog, made at start-up and reused. It edits the
// design's title, author and comments and counts the symbols of the diagram.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "modeller/core/GraphObj.h"
#include "platform/Forms.h"
#include "platform/Grids.h"

namespace modeller {

// The symbol counts in the order the grid lists them: classes and interfaces that are package
// members, all classes, all interfaces, associations, inheritances (one per subtype link),
// instantiations and comments.
constexpr int kDesignCountRows = 8;
using TDesignCounts = std::array<int, kDesignCountRows>;
TDesignCounts CountDesignSymbols(const TGraph& graph);

class TDesignInfoForm : public platform::TForm {
  Q_OBJECT
 public:
  TDesignInfoForm();

  QLineEdit* TitleEdit;
  QLineEdit* AuthorEdit;
  QPlainTextEdit* CommentsMemo;
  platform::TStringGrid* MoreInfoStringGrid;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  // Fills the dialog, runs it modally and stores it on OK; returns the modal result.
  int Execute();
  void FormShow() override;
  void FillDesignInfo();
  // The design takes the title, author and comments; a change counts as a change of the model.
  void StoreDesignInfo();
};

TDesignInfoForm* DesignInfoForm();  // made on first use

}  // namespace modeller
