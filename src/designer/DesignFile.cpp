#include "designer/DesignFile.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "designer/DesignText.h"
#include "designer/ExtendedType.h"
#include "designer/FormDesigner_f.h"
#include "designer/JavaType.h"
#include "designer/JfmText.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/SettingsReport.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

namespace {

constexpr int kMarkerSize = 29;

std::string BackgroundWord(const QWidget* widget) { return ColorToJavaName(ColourOf(widget, QPalette::Window)); }
std::string ForegroundWord(const QWidget* widget) { return ColorToJavaName(ColourOf(widget, QPalette::WindowText)); }

void SetForeground(QWidget* widget, unsigned colour) {
  QPalette colours = widget->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    colours.setColor(role, platform::ToQColor(colour));
  widget->setPalette(colours);
}

Qt::Alignment QtAlignment(int alignment) {
  Qt::Alignment horizontal = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
  return horizontal | Qt::AlignVCenter;
}

// A text area's text as lines: none for an empty text.
std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\n" : "") + lines[i];
  return text;
}

std::vector<std::string> ComboItems(const QComboBox& choice) {
  std::vector<std::string> items;
  for (int i = 0; i < choice.count(); ++i) items.push_back(choice.itemText(i).toStdString());
  return items;
}

std::vector<std::string> ListItems(const QListWidget& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text().toStdString());
  return items;
}

// The file part of a stored path, whichever separator it was written with.
std::string StoredFileName(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// ---- Collecting ----

class TDesignCollector {
 public:
  explicit TDesignCollector(TFrame& frame) : frame_(frame) {}

  TDesign CollectAll() {
    CollectFrame();
    for (QWidget* component : frame_.Components())
      if (!frame_.IsHandlePanel(component) && !component->inherits("platform::TBitBtn")) CollectComponent(component);
    CollectMenuBarMarker();
    if (auto* dialog = frame_.ClientArea()->findChild<TOpenDlg*>(QString(), Qt::FindDirectChildrenOnly))
      CollectFileDialog(*dialog);
    return design_;
  }

 private:
  TDesignBlock& Open(const std::string& name, const std::string& className) {
    TDesignBlock& block = design_.blocks.emplace_back();
    block.name = name;
    block.className = className;
    return block;
  }
  static void Font(TDesignBlock& block, const QWidget* c) {
    QFont face = c->font();
    block.Add("FontName", face.family().toStdString());
    block.Add("FontSize", face.pointSize());
    block.Add("FontStyle", FontStyleToStr((face.bold() ? fsBold : 0u) | (face.italic() ? fsItalic : 0u)));
  }
  // The lines of the component's section of the handler list.
  void Events(TDesignBlock& block) {
    const TEventHandlerList& list = frame_.FHandlerList;
    int at = list.IndexOf("[" + block.name + "]");
    if (at >= 0)
      for (int i = at + 1; i < list.Count() && !list[i].empty(); ++i) block.events.push_back(list[i]);
  }

  void CollectFrame() {
    const TFrame& f = frame_;
    TDesignBlock& block = Open(f.Name(), "TFrame");
    block.Add("Background", BackgroundWord(&f));
    block.Add("Caption", f.Caption());
    Font(block, &f);
    block.Add("Foreground", ForegroundWord(&f));
    block.Add("FrameId", f.FrameId);
    block.Add("Height", f.Height());
    block.Add("Left", f.Left());
    block.Add("Tag", f.Tag);
    block.Add("Top", f.Top());
    block.Add("Width", f.Width());
    Events(block);
  }

  // The block of a kind: its table row's design properties in their order, then its handler lines.
  void CollectComponent(QWidget* c) {
    const int kind = GetComponentKind(c);
    if (kind == ckMenuBar) {
      CollectMenuBar(static_cast<TMenuBar&>(*c));
      return;
    }
    TDesignBlock& block = Open(NameOf(c), ClassNameOf(c));
    const TComponentKindInfo* info = ComponentKindInfo(kind);
    if (info == nullptr) {
      Events(block);
      return;
    }
    for (const std::string& property : PropertyNames(info->designProperties)) DesignLine(block, c, kind, property);
    // A kind without events keeps no handler lines.
    if (info->events != 0) Events(block);
  }

  static void DesignLine(TDesignBlock& block, QWidget* c, int kind, const std::string& property) {
    if (property == "Parent") block.Add("Parent", ContainerName(c));
    else if (property == "Tag") block.Add("Tag", DesignTag(c));
    else if (property == "PasswdChar") block.Add("PasswdChar", c->property("PasswdChar").toInt());
    else if (property == "Picture") block.Add("Picture", static_cast<TImage&>(*c).PicturePath);
    else if (property == "Items") block.AddItems(ItemsOf(c, kind));
    else block.Add(property, ValueOf(c, kind, PropertyCodeOf(" " + property)));
  }

  static std::vector<std::string> ItemsOf(const QWidget* c, int kind) {
    if (kind == ckChoice) return ComboItems(static_cast<const QComboBox&>(*c));
    if (kind == ckList) return ListItems(static_cast<const QListWidget&>(*c));
    return TextLines(ComponentCaption(c));
  }

  void CollectMenuBar(const TMenuBar& bar) {
    TDesignBlock& block = Open(NameOf(&bar), "TMenuBar");
    block.Add("Owner", frame_.Name());
    block.Add("Items", static_cast<int>(bar.Items.size()));
    for (size_t i = 0; i < bar.Items.size(); ++i) {
      const platform::TMenuItem* menu = bar.Items[i];
      block.Add("Items[" + platform::IntToStr(static_cast<int>(i)) + "]", NameOf(menu), 4);
      block.Add("Caption", menu->Caption(), 6);
      block.Add("Enabled", BoolToText(menu->Enabled()), 6);
      block.Add("Tag", DesignTag(menu), 6);
    }
    for (const platform::TMenuItem* menu : bar.Items) CollectMenuItems(*menu);
  }

  // Each item's block, then its own items': parents before children.
  void CollectMenuItems(const platform::TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
      const platform::TMenuItem* item = parent.Items(i);
      const auto* designed = qobject_cast<const TJMenuItem*>(item);
      TDesignBlock& block = Open(NameOf(item), "TJMenuItem");
      block.Add("Caption", item->Caption());
      block.Add("Checkable", BoolToText(designed != nullptr && designed->Checkable));
      block.Add("Checked", BoolToText(item->Checked()));
      block.Add("Enabled", BoolToText(item->Enabled()));
      block.Add("Parent", NameOf(&parent));
      block.Add("Tag", DesignTag(item));
      Events(block);
      CollectMenuItems(*item);
    }
  }

  void CollectMenuBarMarker() {
    const QWidget* marker = frame_.MMB;
    TDesignBlock& block = Open("MMB", "TBBTN");
    block.Add("Left", marker->x());
    block.Add("Top", marker->y());
    block.Add("Visible", BoolToText(!marker->isHidden()));
  }

  void CollectFileDialog(const TOpenDlg& dialog) {
    TDesignBlock& block = Open(NameOf(&dialog), "TOpenDlg");
    block.Add("FileName", dialog.FileName);
    block.Add("InitialDir", dialog.InitialDir);
    block.Add("Left", dialog.x());
    block.Add("Top", dialog.y());
  }

  TFrame& frame_;
  TDesign design_;
};

// ---- Building ----

class TDesignBuilder {
 public:
  // The names the frame's own parts hold are taken from the start.
  TDesignBuilder(TFrame& frame, const std::string& folder) : frame_(frame), folder_(folder) {
    for (const QObject* part : frame.findChildren<QObject*>())
      if (!part->objectName().isEmpty()) taken_.insert(part->objectName().toStdString());
  }

  // The inspector's chooser sorts itself at every insertion: it takes the entries in one.
  void BuildAll(const TDesign& design) {
    for (const TDesignBlock& block : design.blocks) Build(block);
    ObjInsForm->ComboBox1->addItems(entries_);
  }

 private:
  void Build(const TDesignBlock& block) {
    // The text named no component twice; the frame's own parts hold names of their own.
    if (block.className != "TFrame" && block.className != "TBBTN" && !taken_.insert(block.name).second)
      FailAtLine(block.line, "a second component named " + block.name);
    QObject* built = nullptr;
    if (block.className == "TFrame") BuildFrame(block);
    else if (block.className == "TMenuBar") built = BuildMenuBar(block);
    else if (block.className == "TJMenuItem") built = BuildMenuItem(block);
    else if (block.className == "TOpenDlg") built = BuildFileDialog(block);
    else if (block.className == "TBBTN") BuildMenuBarMarker(block);
    else built = BuildComponent(block, *ComponentKindOfClass(block.className));
    // The blocks stand in creation order: the components take it again.
    if (built != nullptr) frame_.InsertComponent(built);
    if (block.className != "TJMenuItem" && block.className != "TBBTN")
      entries_.append(QString::fromStdString(block.name + " : " + block.className));
  }

  static QFont Font(const TDesignBlock& block) {
    QFont face(QString::fromStdString(block.Value("FontName")));
    int size = block.IntValue("FontSize");
    if (size > 0) face.setPointSize(size);
    unsigned styles = StrToFontStyle(block.Value("FontStyle"));
    face.setBold((styles & fsBold) != 0);
    face.setItalic((styles & fsItalic) != 0);
    return face;
  }
  static unsigned Colour(const TDesignBlock& block, const std::string& name) {
    return JavaNameToColor(block.Value(name));
  }

  // A control lies in the panel that Parent names, which was read before it, or on the frame; a
  // panel naming itself lies on the frame.
  void PlaceIn(QWidget* control, const std::string& parentName) {
    auto panel = panels_.find(parentName);
    QWidget* parent = panel != panels_.end() ? panel->second : frame_.ClientArea();
    if (control->parentWidget() != parent) control->setParent(parent);
  }

  // The event lines become the component's section of the handler list.
  void Events(const TDesignBlock& block) {
    if (block.events.empty()) return;
    TEventHandlerList& list = frame_.FHandlerList;
    list.Add("[" + block.name + "]");
    for (const std::string& binding : block.events) list.Add(binding);
    list.Add("");
  }

  void BuildFrame(const TDesignBlock& block) {
    SetBackground(&frame_, Colour(block, "Background"));
    frame_.SetCaption(block.Value("Caption"));
    frame_.setFont(Font(block));
    SetForeground(&frame_, Colour(block, "Foreground"));
    frame_.FrameId = block.IntValue("FrameId");
    frame_.Tag = block.IntValue("Tag");
    CheckFrameSize(block);
    frame_.SetBounds(block.IntValue("Left"), block.IntValue("Top"), block.IntValue("Width"), block.IntValue("Height"));
    Events(block);
  }

  // The frame is a window: it must have room for its client area and fit on the screen, since a
  // window larger than the screen shows nothing more and costs memory by its size.
  static void CheckFrameSize(const TDesignBlock& block) {
    const platform::TRect screen = platform::MainScreenRect();
    CheckBetween(block, "Width", 2 * platform::WindowMetricsConst::FrameWidth + 1, screen.Right - screen.Left);
    CheckBetween(block, "Height", platform::WindowMetricsConst::CaptionHeight + 2 * platform::WindowMetricsConst::FrameHeight + 1,
                 screen.Bottom - screen.Top);
  }
  static void CheckBetween(const TDesignBlock& block, const std::string& property, int least, int most) {
    const int value = block.IntValue(property);
    if (value < least || value > most)
      FailAtLine(block.LineOf(property), platform::DoesNotFitOnScreen(property, platform::IntToStr(value), "a frame") +
                                             " (" + platform::IntToStr(least) + ".." + platform::IntToStr(most) + ")");
  }

  // Every palette kind from its row: the properties its block holds say what the control takes.
  QWidget* BuildComponent(const TDesignBlock& block, const TComponentKindInfo& info) {
    QWidget* c = info.kind == ckImage ? new TImage(frame_.ClientArea()) : NewSurfaceControl(info.kind, frame_.ClientArea());
    c->setObjectName(QString::fromStdString(block.name));
    if (info.kind != ckLabel && info.kind != ckImage) c->setFocusPolicy(Qt::NoFocus);
    // A kind that keeps the default background (a scroll bar) shows it whatever its line says.
    if (info.background != kKeepBackground)
      SetBackground(c, block.Has("Background") ? Colour(block, "Background") : info.background);
    if (block.Has("Caption")) SetComponentCaption(c, block.Value("Caption"));
    if (block.Has("Text")) SetComponentCaption(c, block.Value("Text"));
    if (block.Has("FontName")) c->setFont(Font(block));
    if (block.Has("Foreground")) SetForeground(c, Colour(block, "Foreground"));
    // A radio button takes its state while it still lies on the frame, so that checking it cannot
    // uncheck a button already read into the panel it moves to.
    SetKindValues(c, block);
    if (block.Has("Parent")) PlaceIn(c, block.Value("Parent"));
    if (info.kind == ckPanel) panels_[block.name] = c;
    SetDesignTag(c, block.IntValue("Tag"));
    c->setGeometry(block.IntValue("Left"), block.IntValue("Top"), std::max(block.IntValue("Width"), 0),
                   std::max(block.IntValue("Height"), 0));
    c->show();
    Events(block);
    return c;
  }

  void SetKindValues(QWidget* c, const TDesignBlock& block) {
    if (block.Has("Align"))
      static_cast<QLabel*>(c)->setAlignment(QtAlignment(StrToAlignment(block.Value("Align"))));
    if (block.Has("Checked")) static_cast<QAbstractButton*>(c)->setChecked(TextToBool(block.Value("Checked")));
    if (block.Has("PasswdChar")) {
      c->setProperty("PasswdChar", block.IntValue("PasswdChar"));
      if (block.IntValue("PasswdChar") != 0) static_cast<QLineEdit*>(c)->setEchoMode(QLineEdit::Password);
    }
    if (block.Has("MultiSelect"))
      static_cast<QListWidget*>(c)->setSelectionMode(TextToBool(block.Value("MultiSelect"))
                                                         ? QAbstractItemView::MultiSelection
                                                         : QAbstractItemView::SingleSelection);
    if (block.Has("Orientation")) SetScrollValues(static_cast<QScrollBar&>(*c), block);
    if (block.Has("Items")) SetItems(c, block.items);
    if (block.Has("Picture")) SetPicture(static_cast<TImage&>(*c), block);
  }

  static void SetScrollValues(QScrollBar& bar, const TDesignBlock& block) {
    bar.setOrientation(StrToOrientation(block.Value("Orientation")) ? Qt::Vertical : Qt::Horizontal);
    designer::SetScrollValues(&bar, {block.IntValue("Value"), block.IntValue("Min"), block.IntValue("Max")});
    bar.setSingleStep(block.IntValue("LineInc"));
    bar.setPageStep(block.IntValue("PageInc"));
  }

  // A list's and a choice's entries; a text area's lines.
  static void SetItems(QWidget* c, const std::vector<std::string>& items) {
    if (auto* choice = qobject_cast<QComboBox*>(c)) {
      for (const std::string& item : items) choice->addItem(QString::fromStdString(item));
      if (choice->count() > 0) choice->setCurrentIndex(0);
    } else if (auto* list = qobject_cast<QListWidget*>(c)) {
      for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    } else {
      SetComponentCaption(c, JoinLines(items));
    }
  }

  void SetPicture(TImage& image, const TDesignBlock& block) {
    image.SetAutoSize(false);
    image.FileName = block.Value("FileName");
    LoadPicture(image, block.Value("Picture"));
    image.SetStretch(true);
  }

  // The picture is looked for beside the design file, under its stored file name. A picture that
  // cannot be shown keeps its stored path, so that saving the design does not forget it.
  void LoadPicture(TImage& image, const std::string& stored) {
    image.PicturePath = stored;
    const std::string part = StoredFileName(stored);
    if (part.empty()) return;  // an image that never had a picture
    const std::string path = folder_ + part;
    if (!platform::FileExists(path)) {
      image.SetAnimate(false);
      ShowErrorMessage("Form Designer", 70);
      return;
    }
    try {
      image.LoadFromFile(path);
    } catch (const platform::Exception& failure) {
      image.SetAnimate(false);
      platform::MessageDlg(path + " : " + failure.Message(), platform::mtError, platform::mbOK);
      return;
    }
    image.SetAnimate(true);
  }

  // The menus in the order the bar lists them: name, caption, state and tag each.
  QObject* BuildMenuBar(const TDesignBlock& block) {
    auto* bar = new TMenuBar(&frame_);
    bar->setObjectName(QString::fromStdString(block.name));
    const std::vector<TDesignLine>& lines = block.properties;
    // After Owner and the count line, four lines a menu.
    for (size_t i = 2; i + 3 < lines.size(); i += 4) {
      auto* menu = new TJMenuItem(lines[i + 1].value, bar);
      menu->setObjectName(QString::fromStdString(lines[i].value));
      menu->SetEnabled(TextToBool(lines[i + 2].value));
      SetDesignTag(menu, platform::StrToIntDef(lines[i + 3].value, 0));
      bar->addMenu(menu->SubMenu());
      bar->Items.push_back(menu);
      menuItems_[lines[i].value] = menu;
    }
    menuBar_ = bar;
    SetDesignTag(bar, -1);
    return bar;
  }

  QObject* BuildMenuItem(const TDesignBlock& block) {
    auto parent = menuItems_.find(block.Value("Parent"));
    if (parent == menuItems_.end())
      FailAtLine(block.line, "the menu item " + block.name + " names no item read before it as its parent");
    auto* item = new TJMenuItem(block.Value("Caption"), menuBar_);
    menuItems_[block.name] = item;
    item->setObjectName(QString::fromStdString(block.name));
    item->Checkable = TextToBool(block.Value("Checkable"));
    bool checked = TextToBool(block.Value("Checked"));
    if (checked || item->Checkable) item->SetChecked(checked);
    item->SetEnabled(TextToBool(block.Value("Enabled")));
    parent->second->Insert(parent->second->Count(), item);
    SetDesignTag(item, -1);
    Events(block);
    TFrame* frame = &frame_;
    item->OnClick = [frame, item] { frame->MenuItemClick(item); };
    return item;
  }

  void BuildMenuBarMarker(const TDesignBlock& block) {
    QWidget* marker = frame_.MMB;
    marker->move(block.IntValue("Left"), block.IntValue("Top"));
    marker->setVisible(TextToBool(block.Value("Visible")));
    workbench::MainForm->CompoMenu->setEnabled(marker->isHidden());
  }

  QObject* BuildFileDialog(const TDesignBlock& block) {
    auto* dialog = new TOpenDlg(frame_.ClientArea());
    dialog->setObjectName(QString::fromStdString(block.name));
    dialog->setFocusPolicy(Qt::NoFocus);
    dialog->FileName = block.Value("FileName");
    dialog->InitialDir = block.Value("InitialDir");
    dialog->setText({});
    dialog->setGeometry(block.IntValue("Left"), block.IntValue("Top"), kMarkerSize, kMarkerSize);
    dialog->show();
    workbench::MainForm->CompoOpenDlg->setEnabled(false);
    return dialog;
  }

  TFrame& frame_;
  std::string folder_;
  std::set<std::string> taken_;
  std::map<std::string, QWidget*> panels_;
  QStringList entries_;
  TMenuBar* menuBar_ = nullptr;
  // The menus and the items read so far, by name.
  std::map<std::string, platform::TMenuItem*> menuItems_;
};

void ReportUnreadable(const std::string& fileName, const std::string& reason) {
  platform::MessageDlg(platform::FormatText("The design file %s cannot be read: %s\rThe source is opened as plain text.",
                                            {fileName, reason}),
                       platform::mtError, platform::mbOK);
}

// The checked text of a design file; none after a file that cannot be read has been reported.
std::optional<TDesign> ReadDesignFile(const std::string& fileName) {
  platform::TStringList lines;
  try {
    lines.LoadFromFile(fileName);
  } catch (const platform::Exception& failure) {
    ReportUnreadable(fileName, failure.Message());
    return std::nullopt;
  }
  if (lines.Empty()) {
    ReportUnreadable(fileName, "it is empty");
    return std::nullopt;
  }
  try {
    return ReadDesignText(lines);
  } catch (const EDesignFileError& failure) {
    ReportUnreadable(fileName, failure.Message());
    return std::nullopt;
  }
}

}  // namespace

TDesign CollectDesign(TFrame& frame) { return TDesignCollector(frame).CollectAll(); }

platform::TStringList DesignText(TFrame& frame) { return WriteDesignText(CollectDesign(frame)); }

platform::TFileContent DesignFileContent(const std::string& folder, TFrame& frame) {
  platform::TStringList lines = DesignText(frame);
  lines.LineBreak = "\r\n";
  return {folder + frame.Name() + ".jfm", lines.Text()};
}

void SaveDesignFile(const std::string& folder, TFrame& frame) {
  platform::TFileContent file = DesignFileContent(folder, frame);
  platform::WriteFileAtomic(file.fileName, file.bytes);
}

TFrame* LoadDesignFile(const std::string& folder, const std::string& name) {
  const std::string fileName = folder + name + ".jfm";
  std::optional<TDesign> design = ReadDesignFile(fileName);
  if (!design) return nullptr;
  workbench::TMainForm& main = *workbench::MainForm;
  QPointer<TFrame> previous = main.FCurrentFrame;
  QPointer<TFrame> frame = main.CreateDesignFrame(design->blocks.front().name, fkApplication);
  ObjInsForm->ComboBox1->clear();
  try {
    TDesignBuilder(*frame, folder).BuildAll(*design);
  } catch (const platform::Exception& failure) {
    // A half-built design is no design: nothing of it stays.
    delete frame.data();
    main.FCurrentFrame = previous;
    FillComboBox1();
    main.EnableDesignTools();
    ReportUnreadable(fileName, failure.Message());
    return nullptr;
  }
  platform::TTabSheet* sheet = workbench::EditorForm->Page->ActivePage();
  sheet->SetTag(frame);
  frame->FSourcePage = sheet;
  main.FPageFrame = frame;
  frame->KeepFrameGeometry();
  frame->ShowMenuBar();
  ObjInsForm->SelectComponent(frame);
  frame->Show();
  return frame;
}

}  // namespace designer
