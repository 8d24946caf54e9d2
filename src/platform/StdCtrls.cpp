#include "platform/StdCtrls.h"

#include "platform/Clipboard.h"

namespace platform {

bool TMemo::canInsertFromMimeData(const QMimeData* source) const { return !PlainTextOf(source).isEmpty(); }

void TMemo::insertFromMimeData(const QMimeData* source) { InsertPastedText(*this, PlainTextOf(source)); }

}  // namespace platform
