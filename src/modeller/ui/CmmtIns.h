#pragma once
// TCommentInspector: the "Comment Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TCommentInspector : public TInspector {
  Q_OBJECT
 public:
  TCommentInspector();
};

extern TCommentInspector* CommentInspector;

}  // namespace modeller
