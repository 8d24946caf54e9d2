#pragma once
// TInspector: the base of the element inspectors, modal dialogs that show one model element.
#include "modeller/core/Storage.h"
#include "platform/Forms.h"

namespace modeller {

class TInspector : public platform::TForm {
  Q_OBJECT
 public:
  TInspector();

  TStorable* Element() const { return element_; }
  // Shows the dialog modally on the element; callers act only on OK.
  int InspectElement(TStorable* element);

  virtual void StoreToElement() {}
  virtual void LoadFromElement() {}

 private:
  TStorable* element_ = nullptr;
};

}  // namespace modeller
