#include "modeller/ui/CmmtIns.h"

namespace modeller {

TCommentInspector* CommentInspector = nullptr;

TCommentInspector::TCommentInspector() {
  setObjectName("CommentInspector");
  SetCaption("Comment Inspector");
}

}  // namespace modeller
