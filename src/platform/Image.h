#pragma once
// TImage: a control that shows a picture. The picture is a persistent image the program draws on;
// the control copies it to the screen, stretched to the control when Stretch is set, and takes the
// picture's size when AutoSize is set.
#include <QImage>
#include <QWidget>

namespace platform {

class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* owner = nullptr);

  const QImage& Picture() const { return picture_; }
  QImage& Picture() { return picture_; }
  void SetPicture(const QImage& picture);
  void PictureChanged();  // call after drawing on Picture() directly

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  bool stretch_ = false;
  bool autoSize_ = false;
};

}  // namespace platform
