#pragma once
// TFrame: the design surface of one designed class, bound to its source page. It keeps the class's
// kind, its name (the component name, also its caption while the two agree), its event bindings
// and the editor page that holds its Java source.
#include <QPointer>
#include <string>

#include "designer/ExtendedType.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

namespace designer {

class TFrame : public platform::TForm {
  Q_OBJECT
 public:
  explicit TFrame(QWidget* owner);
  int FrameId = 0;  // the frame kind: 200 application, 201 applet, 202 secondary frame
  std::string Name() const;
  // Renames the frame; a caption that still equals the old name follows it.
  void SetName(const std::string& name);
  TEventHandlerList FHandlerList;
  QPointer<platform::TTabSheet> FSourcePage;
};

}  // namespace designer
