#include "designer/DesignFile.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "designer/ExtendedType.h"
#include "designer/FormDesigner_f.h"
#include "designer/JavaType.h"
#include "designer/JfmText.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

namespace {

constexpr int kMarkerSize = 29;

// The classes a design file's blocks may name.
const std::string kBlockClasses[] = {"TFrame",     "TButton",      "TPanel", "TTextField", "TTextArea", "TLabel",
                                     "TCheckBox",  "TRadioButton", "TList",  "TChoice",    "TScrollBar", "TMenuBar",
                                     "TJMenuItem", "TImage",       "TOpenDlg", "TBBTN"};


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

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  for (size_t end; (end = text.find(' ', start)) != std::string::npos; start = end + 1)
    words.push_back(text.substr(start, end - start));
  words.push_back(text.substr(start));
  return words;
}

// The file part of a stored path, whichever separator it was written with.
std::string StoredFileName(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// ---- Writing ----

class TDesignWriter {
 public:
  TDesignWriter(TFrame& frame, platform::TStringList& lines) : frame_(frame), out_(lines) {}

  void WriteAll() {
    WriteFrame();
    for (QWidget* component : frame_.Components())
      if (!frame_.IsHandlePanel(component) && !component->inherits("platform::TBitBtn")) WriteComponent(component);
    WriteMenuBarMarker();
    if (auto* dialog = frame_.findChild<TOpenDlg*>(QString(), Qt::FindDirectChildrenOnly)) WriteFileDialog(*dialog);
  }

 private:
  void Font(const QWidget* c) {
    QFont face = c->font();
    out_.Property("FontName", face.family().toStdString());
    out_.Property("FontSize", face.pointSize());
    out_.Property("FontStyle", FontStyleToStr((face.bold() ? fsBold : 0u) | (face.italic() ? fsItalic : 0u)));
  }
  // The lines of the component's section of the handler list, then the block's end.
  void Events(const std::string& name) {
    const TEventHandlerList& list = frame_.FHandlerList;
    int at = list.IndexOf("[" + name + "]");
    if (at >= 0)
      for (int i = at + 1; i < list.Count() && !list[i].empty(); ++i) out_.Line("  " + list[i]);
    out_.End();
  }
  void Parent(const QWidget* c) { out_.Property("Parent", NameOf(c->parentWidget())); }

  void WriteFrame() {
    const TFrame& f = frame_;
    out_.Header(f.Name(), "TFrame");
    out_.Property("Background", BackgroundWord(&f));
    out_.Property("Caption", f.Caption());
    Font(&f);
    out_.Property("Foreground", ForegroundWord(&f));
    out_.Property("FrameId", f.FrameId);
    out_.Property("Height", f.Height());
    out_.Property("Left", f.Left());
    out_.Property("Tag", f.Tag);
    out_.Property("Top", f.Top());
    out_.Property("Width", f.Width());
    Events(f.Name());
  }

  // The block of a kind: its table row's design properties in their order, then its handler lines.
  void WriteComponent(QWidget* c) {
    const std::string name = NameOf(c);
    const int kind = GetComponentKind(c);
    if (kind == ckMenuBar) {
      WriteMenuBar(static_cast<TMenuBar&>(*c));
      return;
    }
    out_.Header(name, ClassNameOf(c));
    const TComponentKindInfo* info = ComponentKindInfo(kind);
    if (info == nullptr) {
      Events(name);
      return;
    }
    for (const std::string& property : Words(info->designProperties)) DesignLine(c, kind, property);
    // A kind without events keeps no handler lines.
    if (info->events == 0) out_.End();
    else Events(name);
  }

  void DesignLine(QWidget* c, int kind, const std::string& property) {
    if (property == "Parent") Parent(c);
    else if (property == "Tag") out_.Property("Tag", DesignTag(c));
    else if (property == "PasswdChar") out_.Property("PasswdChar", c->property("PasswdChar").toInt());
    else if (property == "Picture") out_.Property("Picture", static_cast<TImage&>(*c).PicturePath);
    else if (property == "Items") out_.Items(ItemsOf(c, kind));
    else out_.Property(property, ValueOf(c, kind, PropertyCodeOf(" " + property)));
  }

  static std::vector<std::string> ItemsOf(const QWidget* c, int kind) {
    if (kind == ckChoice) return ComboItems(static_cast<const QComboBox&>(*c));
    if (kind == ckList) return ListItems(static_cast<const QListWidget&>(*c));
    return TextLines(ComponentCaption(c));
  }

  void WriteMenuBar(const TMenuBar& bar) {
    out_.Header(NameOf(&bar), "TMenuBar");
    out_.Property("Owner", frame_.Name());
    out_.Line("  Items[" + platform::IntToStr(static_cast<int>(bar.Items.size())) + "]");
    for (size_t i = 0; i < bar.Items.size(); ++i) {
      const platform::TMenuItem* menu = bar.Items[i];
      out_.Property("Items[" + platform::IntToStr(static_cast<int>(i)) + "]", NameOf(menu), 4);
      out_.Property("Caption", menu->Caption(), 6);
      out_.Property("Enabled", BoolToText(menu->Enabled()), 6);
      out_.Property("Tag", DesignTag(menu), 6);
    }
    out_.End();
    for (const platform::TMenuItem* menu : bar.Items) WriteMenuItems(*menu);
  }

  // Each item's block, then its own items': parents before children.
  void WriteMenuItems(const platform::TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
      const platform::TMenuItem* item = parent.Items(i);
      const auto* designed = qobject_cast<const TJMenuItem*>(item);
      out_.Header(NameOf(item), "TJMenuItem");
      out_.Property("Caption", item->Caption());
      out_.Property("Checkable", BoolToText(designed != nullptr && designed->Checkable));
      out_.Property("Checked", BoolToText(item->Checked()));
      out_.Property("Enabled", BoolToText(item->Enabled()));
      out_.Property("Parent", NameOf(&parent));
      out_.Property("Tag", DesignTag(item));
      Events(NameOf(item));
      WriteMenuItems(*item);
    }
  }

  void WriteMenuBarMarker() {
    const QWidget* marker = frame_.MMB;
    out_.Header("MMB", "TBBTN");
    out_.Property("Left", marker->x());
    out_.Property("Top", marker->y());
    out_.Property("Visible", BoolToText(!marker->isHidden()));
    out_.End();
  }

  void WriteFileDialog(const TOpenDlg& dialog) {
    out_.Header(NameOf(&dialog), "TOpenDlg");
    out_.Property("FileName", dialog.FileName);
    out_.Property("InitialDir", dialog.InitialDir);
    out_.Property("Left", dialog.x());
    out_.Property("Top", dialog.y());
    out_.End();
  }

  TFrame& frame_;
  TJfmWriter out_;
};

// ---- Reading ----

struct TPlace {
  int left = 0, top = 0, width = 0, height = 0;
};

class TDesignReader {
 public:
  TDesignReader(TFrame& frame, const platform::TStringList& lines, const std::string& folder)
      : frame_(frame), in_(lines), folder_(folder) {}

  void ReadAll() {
    if (in_.HeaderClass() != "TFrame") in_.Fail("the file does not begin with its frame");
    while (!in_.AtEnd()) ReadBlock();
  }

 private:
  void ReadBlock() {
    const std::string name = in_.HeaderName();
    const std::string className = in_.HeaderClass();
    if (name.empty()) in_.Fail("a block header without a name");
    if (std::find(std::begin(kBlockClasses), std::end(kBlockClasses), className) == std::end(kBlockClasses))
      in_.Fail("\"" + className + "\" is no component class of a design");
    if (className != "TFrame" && className != "TBBTN" && frame_.findChild<QObject*>(QString::fromStdString(name)) != nullptr)
      in_.Fail("a second component named " + name);
    in_.SkipHeader();
    if (className == "TFrame") ReadFrame(name);
    else if (className == "TButton") ReadButton(name);
    else if (className == "TPanel") ReadPanel(name);
    else if (className == "TTextField") ReadTextField(name);
    else if (className == "TTextArea") ReadTextArea(name);
    else if (className == "TLabel") ReadLabel(name);
    else if (className == "TCheckBox") ReadCheck(name, new platform::TCheckBox(&frame_));
    else if (className == "TRadioButton") ReadCheck(name, new platform::TRadioButton(&frame_));
    else if (className == "TList") ReadList(name);
    else if (className == "TChoice") ReadChoice(name);
    else if (className == "TScrollBar") ReadScrollBar(name);
    else if (className == "TMenuBar") ReadMenuBar(name);
    else if (className == "TJMenuItem") ReadMenuItem(name);
    else if (className == "TImage") ReadImage(name);
    else if (className == "TOpenDlg") ReadFileDialog(name);
    else ReadMenuBarMarker();
    if (className == "TBBTN") return;
    // The blocks stand in creation order: the components take it again.
    QObject* read = frame_.findChild<QObject*>(QString::fromStdString(name));
    if (className != "TFrame" && read != nullptr) frame_.InsertComponent(read);
    if (className != "TJMenuItem") Listed(name, className);
  }

  void Listed(const std::string& name, const std::string& className) {
    ObjInsForm->ComboBox1->addItem(QString::fromStdString(name + " : " + className));
  }

  template <class T>
  T* Control(T* control, const std::string& name) {
    control->setObjectName(QString::fromStdString(name));
    control->setFocusPolicy(Qt::NoFocus);
    return control;
  }

  QFont Font() {
    QFont face(QString::fromStdString(in_.Value("FontName")));
    int size = in_.IntValue("FontSize");
    if (size > 0) face.setPointSize(size);
    unsigned styles = StrToFontStyle(in_.Value("FontStyle"));
    face.setBold((styles & fsBold) != 0);
    face.setItalic((styles & fsItalic) != 0);
    return face;
  }
  unsigned Colour(const std::string& name) { return JavaNameToColor(in_.Value(name)); }

  // A control lies in the panel that Parent names, or on the frame; a panel naming itself lies on
  // the frame.
  void PlaceIn(QWidget* control, const std::string& parentName) {
    QWidget* parent = &frame_;
    for (QWidget* component : frame_.Components())
      if (component != control && NameOf(component) == parentName && GetComponentKind(component) == ckPanel &&
          !frame_.IsHandlePanel(component))
        parent = component;
    if (control->parentWidget() != parent) control->setParent(parent);
  }

  // Height, Left, Parent, Tag, Top, Width.
  TPlace Place(QWidget* control) {
    TPlace p;
    p.height = in_.IntValue("Height");
    p.left = in_.IntValue("Left");
    PlaceIn(control, in_.Value("Parent"));
    SetDesignTag(control, in_.IntValue("Tag"));
    p.top = in_.IntValue("Top");
    p.width = in_.IntValue("Width");
    return p;
  }

  void Finish(QWidget* control, const TPlace& p) {
    control->setGeometry(p.left, p.top, std::max(p.width, 0), std::max(p.height, 0));
    control->show();
  }

  // The event lines become the component's section of the handler list.
  void Events(const std::string& name) {
    std::vector<std::string> bindings = in_.EventLines();
    if (bindings.empty()) return;
    TEventHandlerList& list = frame_.FHandlerList;
    list.Add("[" + name + "]");
    for (const std::string& binding : bindings) list.Add(binding);
    list.Add("");
  }

  void ReadFrame(const std::string& name) {
    if (name != frame_.Name()) in_.Fail("a second frame");
    SetBackground(&frame_, Colour("Background"));
    frame_.SetCaption(in_.Value("Caption"));
    frame_.setFont(Font());
    SetForeground(&frame_, Colour("Foreground"));
    frame_.FrameId = in_.IntValueBetween("FrameId", fkApplication, fkSecondaryFrame);
    int height = in_.IntValue("Height");
    int left = in_.IntValue("Left");
    frame_.Tag = in_.IntValue("Tag");
    int top = in_.IntValue("Top");
    int width = in_.IntValue("Width");
    frame_.SetBounds(left, top, width, height);
    Events(name);
  }

  void ReadButton(const std::string& name) {
    auto* button = Control(new platform::TButton(&frame_), name);
    button->setText(QString::fromStdString(in_.Value("Caption")));
    button->setFont(Font());
    Finish(button, Place(button));
    Events(name);
  }

  void ReadPanel(const std::string& name) {
    auto* panel = Control(new platform::TPanel(&frame_), name);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(panel, Colour("Background"));
    panel->setFont(Font());
    SetForeground(panel, Colour("Foreground"));
    Finish(panel, Place(panel));
    Events(name);
  }

  void ReadTextField(const std::string& name) {
    auto* field = Control(new TTextField(&frame_), name);
    field->setCursor(Qt::ArrowCursor);
    SetBackground(field, Colour("Background"));
    field->setFont(Font());
    SetForeground(field, Colour("Foreground"));
    TPlace p;
    p.height = in_.IntValue("Height");
    p.left = in_.IntValue("Left");
    PlaceIn(field, in_.Value("Parent"));
    int passwordChar = in_.IntValue("PasswdChar");
    field->setProperty("PasswdChar", passwordChar);
    if (passwordChar != 0) field->setEchoMode(QLineEdit::Password);
    SetDesignTag(field, in_.IntValue("Tag"));
    field->setText(QString::fromStdString(in_.Value("Text")));
    p.top = in_.IntValue("Top");
    p.width = in_.IntValue("Width");
    Finish(field, p);
    Events(name);
  }

  void ReadTextArea(const std::string& name) {
    auto* area = Control(new TTextArea(&frame_), name);
    area->viewport()->setCursor(Qt::ArrowCursor);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setTabChangesFocus(false);
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    SetBackground(area, Colour("Background"));
    area->setFont(Font());
    SetForeground(area, Colour("Foreground"));
    TPlace p = Place(area);
    area->setPlainText(QString::fromStdString(JoinLines(in_.Items())));
    Finish(area, p);
    Events(name);
  }

  void ReadLabel(const std::string& name) {
    auto* label = new platform::TLabel(&frame_);
    label->setObjectName(QString::fromStdString(name));
    label->setAlignment(QtAlignment(StrToAlignment(in_.Value("Align"))));
    label->setText(QString::fromStdString(in_.Value("Caption")));
    label->setFont(Font());
    Finish(label, Place(label));
    in_.EndOfBlock();
  }

  void ReadCheck(const std::string& name, QAbstractButton* check) {
    Control(check, name);
    SetBackground(check, Colour("Background"));
    check->setText(QString::fromStdString(in_.Value("Caption")));
    check->setChecked(TextToBool(in_.Value("Checked")));
    check->setFont(Font());
    Finish(check, Place(check));
    Events(name);
  }

  void ReadList(const std::string& name) {
    auto* list = Control(new TList(&frame_), name);
    SetBackground(list, Colour("Background"));
    list->setFont(Font());
    SetForeground(list, Colour("Foreground"));
    TPlace p;
    p.height = in_.IntValue("Height");
    p.left = in_.IntValue("Left");
    bool multi = TextToBool(in_.Value("MultiSelect"));
    list->setSelectionMode(multi ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    PlaceIn(list, in_.Value("Parent"));
    SetDesignTag(list, in_.IntValue("Tag"));
    p.top = in_.IntValue("Top");
    p.width = in_.IntValue("Width");
    for (const std::string& item : in_.Items()) list->addItem(QString::fromStdString(item));
    Finish(list, p);
    Events(name);
  }

  void ReadChoice(const std::string& name) {
    auto* choice = Control(new TChoice(&frame_), name);
    SetBackground(choice, 0xFFFFFF);
    choice->setFont(Font());
    TPlace p = Place(choice);
    for (const std::string& item : in_.Items()) choice->addItem(QString::fromStdString(item));
    if (choice->count() > 0) choice->setCurrentIndex(0);
    Finish(choice, p);
    Events(name);
  }

  void ReadScrollBar(const std::string& name) {
    auto* bar = Control(new platform::TScrollBar(&frame_), name);
    in_.Value("Background");  // a scroll bar always shows the default background
    TPlace p;
    p.height = in_.IntValue("Height");
    p.left = in_.IntValue("Left");
    int lineStep = in_.IntValue("LineInc");
    int maximum = in_.IntValue("Max");
    int minimum = in_.IntValue("Min");
    bool vertical = StrToOrientation(in_.Value("Orientation"));
    int pageStep = in_.IntValue("PageInc");
    PlaceIn(bar, in_.Value("Parent"));
    SetDesignTag(bar, in_.IntValue("Tag"));
    p.top = in_.IntValue("Top");
    int value = in_.IntValue("Value");
    p.width = in_.IntValue("Width");
    bar->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    bar->setRange(minimum, std::max(minimum, maximum));
    bar->setSingleStep(lineStep);
    bar->setPageStep(pageStep);
    bar->setValue(value);
    Finish(bar, p);
    Events(name);
  }

  void ReadMenuBar(const std::string& name) {
    if (frame_.findChild<TMenuBar*>() != nullptr) in_.Fail("a second menu bar");
    auto* bar = new TMenuBar(&frame_);
    bar->setObjectName(QString::fromStdString(name));
    in_.Value("Owner");  // the frame's own name
    int menus = in_.ItemCount();
    for (int i = 0; i < menus; ++i) {
      std::string menuName = in_.Value("Items[" + platform::IntToStr(i) + "]", 4);
      auto* menu = new TJMenuItem(in_.Value("Caption", 6), bar);
      menu->setObjectName(QString::fromStdString(menuName));
      menu->SetEnabled(TextToBool(in_.Value("Enabled", 6)));
      SetDesignTag(menu, in_.IntValue("Tag", 6));
      bar->addMenu(menu->SubMenu());
      bar->Items.push_back(menu);
    }
    SetDesignTag(bar, -1);
    in_.EndOfBlock();
  }

  void ReadMenuItem(const std::string& name) {
    auto* bar = frame_.findChild<TMenuBar*>();
    if (bar == nullptr) in_.Fail("a menu item before its menu bar");
    auto* item = new TJMenuItem(in_.Value("Caption"), bar);
    item->setObjectName(QString::fromStdString(name));
    item->Checkable = TextToBool(in_.Value("Checkable"));
    bool checked = TextToBool(in_.Value("Checked"));
    if (checked || item->Checkable) item->SetChecked(checked);
    item->SetEnabled(TextToBool(in_.Value("Enabled")));
    platform::TMenuItem* parent = FindMenuItem(in_.Value("Parent"));
    if (parent == nullptr) {
      delete item;
      in_.Fail("the menu item " + name + " names no item read before it as its parent");
    }
    parent->Insert(parent->Count(), item);
    in_.IntValue("Tag");
    SetDesignTag(item, -1);
    Events(name);
    TFrame* frame = &frame_;
    item->OnClick = [frame, item] { frame->MenuItemClick(item); };
  }

  void ReadImage(const std::string& name) {
    auto* image = new TImage(&frame_);
    image->setObjectName(QString::fromStdString(name));
    image->SetAutoSize(false);
    image->FileName = in_.Value("FileName");
    TPlace p;
    p.height = in_.IntValue("Height");
    p.left = in_.IntValue("Left");
    LoadPicture(*image, in_.Value("Picture"));
    SetDesignTag(image, in_.IntValue("Tag"));
    p.top = in_.IntValue("Top");
    p.width = in_.IntValue("Width");
    image->SetStretch(true);
    Finish(image, p);
    in_.EndOfBlock();
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

  void ReadMenuBarMarker() {
    QWidget* marker = frame_.MMB;
    int left = in_.IntValue("Left");
    int top = in_.IntValue("Top");
    marker->move(left, top);
    marker->setVisible(TextToBool(in_.Value("Visible")));
    workbench::MainForm->CompoMenu->setEnabled(marker->isHidden());
    in_.EndOfBlock();
  }

  void ReadFileDialog(const std::string& name) {
    if (frame_.findChild<TOpenDlg*>() != nullptr) in_.Fail("a second file dialog");
    auto* dialog = Control(new TOpenDlg(&frame_), name);
    dialog->FileName = in_.Value("FileName");
    dialog->InitialDir = in_.Value("InitialDir");
    int left = in_.IntValue("Left");
    int top = in_.IntValue("Top");
    dialog->setText({});
    Finish(dialog, {left, top, kMarkerSize, kMarkerSize});
    workbench::MainForm->CompoOpenDlg->setEnabled(false);
    in_.EndOfBlock();
  }

  TFrame& frame_;
  TJfmReader in_;
  std::string folder_;
};

void ReportUnreadable(const std::string& fileName, const std::string& reason) {
  platform::MessageDlg(platform::FormatText("The design file %s cannot be read: %s\rThe source is opened as plain text.",
                                            {fileName, reason}),
                       platform::mtError, platform::mbOK);
}

}  // namespace

platform::TStringList DesignText(TFrame& frame) {
  platform::TStringList lines;
  TDesignWriter(frame, lines).WriteAll();
  return lines;
}

void SaveDesignFile(const std::string& folder, TFrame& frame) {
  platform::TStringList lines = DesignText(frame);
  lines.LineBreak = "\r\n";
  lines.SaveToFile(folder + frame.Name() + ".jfm");
}

TFrame* LoadDesignFile(const std::string& folder, const std::string& name) {
  const std::string fileName = folder + name + ".jfm";
  platform::TStringList lines;
  try {
    lines.LoadFromFile(fileName);
  } catch (const platform::Exception& failure) {
    ReportUnreadable(fileName, failure.Message());
    return nullptr;
  }
  if (lines.Empty()) {
    ReportUnreadable(fileName, "it is empty");
    return nullptr;
  }
  workbench::TMainForm& main = *workbench::MainForm;
  QPointer<TFrame> previous = main.FCurrentFrame;
  QPointer<TFrame> frame = main.CreateDesignFrame(GetFirstWord(lines[0]), fkApplication);
  QComboBox* inspector = ObjInsForm->ComboBox1;
  inspector->clear();
  try {
    TDesignReader(*frame, lines, folder).ReadAll();
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
