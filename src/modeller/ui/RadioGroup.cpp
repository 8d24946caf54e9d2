#include "modeller/ui/RadioGroup.h"
#include "platform/HandlerGuard.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace modeller {

TRadioGroup::TRadioGroup(QWidget* parent, const std::string& caption, const std::vector<std::string>& items)
    : QGroupBox(QString::fromStdString(caption), parent), buttons_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 2);
  layout->setSpacing(0);
  for (size_t i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(QString::fromStdString(items[i]), this);
    buttons_->addButton(button, static_cast<int>(i));
    layout->addWidget(button);
  }
  platform::Connect(buttons_, &QButtonGroup::idClicked, this, [this](int) {
    if (OnClick) OnClick();
  });
}

void TRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) {
    button->setChecked(true);
    return;
  }
  buttons_->setExclusive(false);
  for (QAbstractButton* button : buttons_->buttons()) button->setChecked(false);
  buttons_->setExclusive(true);
}

std::string TRadioGroup::Items(int index) const {
  QAbstractButton* button = buttons_->button(index);
  return button != nullptr ? button->text().toStdString() : std::string();
}

}  // namespace modeller
