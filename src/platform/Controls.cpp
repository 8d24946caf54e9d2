#include "platform/Controls.h"
#include "platform/HandlerGuard.h"

#include <QFile>
#include <QIconEngine>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

// A button picture parsed when it is first drawn: a start-up builds hundreds of buttons and
// parsing each picture at once costs more than drawing the few that show. The size asked for
// is the size given, since every picture is square.
class TDeferredGlyph : public QIconEngine {
 public:
  explicit TDeferredGlyph(QString resource) : resource_(std::move(resource)) {}
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Parsed().pixmap(size, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Parsed().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QIconEngine* clone() const override { return new TDeferredGlyph(*this); }
  QString key() const override { return QStringLiteral("TDeferredGlyph"); }
  bool isNull() override { return false; }

 private:
  QIcon& Parsed() {
    if (icon_.isNull()) icon_ = QIcon(resource_);
    return icon_;
  }
  QString resource_;
  QIcon icon_;
};

}  // namespace

QIcon Glyph(const std::string& name) {
  const QString resource = ":/" + QString::fromStdString(name) + ".svg";
  return QFile::exists(resource) ? QIcon(new TDeferredGlyph(resource)) : QIcon();
}

// A status panel keeps its whole text and shows as much of it as the panel's width holds.
class TStatusPanel : public QLabel {
 public:
  explicit TStatusPanel(QWidget* parent) : QLabel(parent) {}
  const QString& FullText() const { return text_; }
  void SetFullText(const QString& text) {
    text_ = text;
    Elide();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }

 private:
  void Elide() {
    const int room = contentsRect().width() - 2 * margin() - 2 * indent();
    const QString shown = fontMetrics().elidedText(text_, Qt::ElideMiddle, std::max(room, 0));
    setText(shown);
    setToolTip(shown == text_ ? QString() : text_);
  }
  QString text_;
};

TSpeedButton::TSpeedButton(QWidget* parent, const std::string& name, const std::string& hint, int groupIndex)
    : QToolButton(parent), groupIndex_(groupIndex) {
  setObjectName(QString::fromStdString(name));
  setToolTip(QString::fromStdString(hint));
  setFixedSize(24, 24);
  setAutoRaise(true);
  setCheckable(groupIndex > 0);
  Connect(this, &QToolButton::clicked, this, [this] { Click(); });
}

void TSpeedButton::SetGlyph(const std::string& name) {
  setIcon(Glyph(name));
  setIconSize(QSize(16, 16));
  setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::SetDown(bool down) {
  if (!down || groupIndex_ == 0) {
    setChecked(down);
    return;
  }
  for (TSpeedButton* sibling : parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly))
    if (sibling->groupIndex_ == groupIndex_) sibling->setChecked(sibling == this);
}

void TSpeedButton::Click() {
  if (groupIndex_ > 0) SetDown(true);
  if (OnClick) OnClick();
}

TPanel::TPanel(QWidget* parent, const std::string& name) : QFrame(parent) {
  setObjectName(QString::fromStdString(name));
}

void TTabSheet::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* pages = qobject_cast<QTabWidget*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
    pages->setTabText(pages->indexOf(this), QString::fromStdString(caption));
}

int TTabSheet::PageIndex() const {
  auto* pages = qobject_cast<QTabWidget*>(parentWidget() ? parentWidget()->parentWidget() : nullptr);
  return pages ? pages->indexOf(const_cast<TTabSheet*>(this)) : -1;
}

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
  Connect(this, &QTabWidget::currentChanged, this, [this](int) {
    if (!changingByProgram_ && OnChange) OnChange();
  });
}

void TPageControl::SetActivePageIndex(int index) {
  changingByProgram_ = true;
  setCurrentIndex(index);
  changingByProgram_ = false;
}

TTabSheet* TPageControl::AddPage(const std::string& caption) {
  auto* sheet = new TTabSheet(caption);
  changingByProgram_ = true;
  addTab(sheet, QString::fromStdString(caption));
  changingByProgram_ = false;
  return sheet;
}

TStatusBar::TStatusBar(QWidget* parent, const std::vector<int>& widths) : QStatusBar(parent) {
  setSizeGripEnabled(false);
  for (size_t i = 0; i < widths.size(); ++i) {
    auto* panel = new TStatusPanel(this);
    const bool last = i + 1 == widths.size();
    if (last) panel->setMinimumWidth(widths[i]);
    else panel->setFixedWidth(widths[i]);
    addWidget(panel, last ? 1 : 0);
    panels_.push_back(panel);
    SetPanelBevel(static_cast<int>(i), true);
  }
}

std::string TStatusBar::PanelText(int index) const {
  return panels_.at(static_cast<size_t>(index))->FullText().toStdString();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
  panels_.at(static_cast<size_t>(index))->SetFullText(QString::fromStdString(text));
}

void TStatusBar::SetPanelAlignment(int index, Qt::Alignment alignment) {
  panels_.at(static_cast<size_t>(index))->setAlignment(alignment);
}

void TStatusBar::SetPanelBevel(int index, bool sunken) {
  panels_.at(static_cast<size_t>(index))->setFrameStyle(sunken ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
}

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {}

std::string TListBox::Items(int index) const {
  QListWidgetItem* it = item(index);
  return it ? it->text().toStdString() : std::string();
}

void TListBox::AddItem(const std::string& text) { addItem(QString::fromStdString(text)); }

void TListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  if (OnDblClick) HandleEvent([&] { OnDblClick(); });
}

}  // namespace platform
