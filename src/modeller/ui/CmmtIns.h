#pragma once
// TCommentInspector: the "Comment Inspector" window, made at start-up and reused. It stores
// nothing itself: on OK the main window hands the memo's lines to the comment.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TCommentInspector : public TInspector {
  Q_OBJECT
 public:
  TCommentInspector();

  void LoadFromElement() override;
  platform::TStringList Lines() const { return MemoLines(*CommentMemo); }

  QPlainTextEdit* CommentMemo;
};

TCommentInspector* CommentInspector();  // made on first use

}  // namespace modeller
