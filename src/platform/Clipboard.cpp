#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

bool TClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

std::string TClipboard::AsText() const { return QGuiApplication::clipboard()->text().toStdString(); }

void TClipboard::SetAsText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

}  // namespace platform
