#pragma once
// TRadioGroup: a captioned frame of exclusive radio buttons, read and set by item index.
#include <QButtonGroup>
#include <QGroupBox>
#include <functional>
#include <string>
#include <vector>

namespace modeller {

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(QWidget* parent, const std::string& caption, const std::vector<std::string>& items);

  int ItemIndex() const { return buttons_->checkedId(); }
  // An index outside the items leaves no button chosen.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_->buttons().size()); }
  std::string Items(int index) const;

  std::function<void()> OnClick;  // after the user chose an item

 private:
  QButtonGroup* buttons_;
};

}  // namespace modeller
