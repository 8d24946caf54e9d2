#include "modeller/ui/CmmtIns.h"

#include <QGroupBox>

namespace modeller {

TCommentInspector::TCommentInspector() {
  setObjectName("CommentInspector");
  SetCaption("Comment Inspector");
  auto* group = new QGroupBox("Comments", this);
  group->setObjectName("CommentGroupBox");
  group->setGeometry(10, 10, 380, 220);
  CommentMemo = AddMemo("CommentMemo", 10, 20, 360, 190, group);
  FinishDialog(400, 280);
}

void TCommentInspector::LoadFromElement() {
  if (auto* comment = dynamic_cast<TComment*>(Element())) SetMemoLines(*CommentMemo, comment->Lines());
}

}  // namespace modeller
