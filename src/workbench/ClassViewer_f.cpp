#include "workbench/ClassViewer_f.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QLabel>
#include <QPixmap>
#include <QStandardItemModel>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/StringList.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"

namespace workbench {

platform::OnDemand<TClassViewer> ClassViewer;

namespace {

constexpr int kLibraryImage = 0;
constexpr int kClassImage = 1;
constexpr int kInterfaceImage = 2;
constexpr int kIconColumnWidth = 18;
constexpr int kTextColumnWidth = 184;
constexpr int kRowHeight = 18;
constexpr int kIconColumns = 6;
constexpr int kMinHeaderSection = 100;

// The class library as the viewer knows it: each parent with the children placed under it, in
// the order the tree lists them.
const std::vector<std::pair<const char*, std::vector<const char*>>> kLibrary = {
    {"Object",
     {"BitSet", "Boolean", "BorderLayout", "CardLayout", "Character", "CheckBoxGroup", "Class", "ClassLoader",
      "Color", "ColorModel", "Compiler", "Component", "ContentHandler", "DatagramPacket", "DatagramSocket",
      "Date", "Dictionary", "Dimension", "Event", "Field", "File", "FileDescriptor", "FilteredImageSource",
      "FlowLayout", "Font", "FontMetrics", "Graphics", "GridBagConstraints", "GridBagLayout", "GridLayout",
      "image", "ImageFilter", "InetAddress", "InputStream", "Insets", "LocalVariables", "Math", "MediaTracker",
      "MemoryImageSource", "MenuComponent", "Number", "Observable", "OutputStream", "PixelGrabber", "Point",
      "Polygon", "Process", "Random", "RandomAccessFile", "Rectangle", "RemoteDebugger", "RemoteValue",
      "Runtime", "SecurityManager", "ServerSocket", "Socket", "SocketImpl", "StackFrame", "StreamTokenizer",
      "String", "StringBuffer", "StringTokenizer", "System", "Thread", "ThreadGroup", "Throwable", "Toolkit",
      "URL", "URLConnection", "URLEncoder", "URLStreamHandler", "Vector"}},
    {"ColorModel", {"DirectColorModel", "IndexColorModel"}},
    {"Component", {"Button", "Canvas", "Checkbox", "Choice", "Container", "Label", "List", "Scrollbar",
                   "TextComponent"}},
    {"Container", {"Panel", "Window"}},
    {"Panel", {"Applet"}},
    {"Window", {"Dialog", "Frame"}},
    {"Dialog", {"FileDialog"}},
    {"TextComponent", {"TextArea", "TextField"}},
    {"Dictionary", {"Hashtable"}},
    {"Hashtable", {"Properties"}},
    {"Field", {"RemoteField"}},
    {"ImageFilter", {"CropImageFilter", "RGBImageFilter"}},
    {"InputStream", {"ByteArrayInputStream", "FileInputStream", "FilterInputStream", "PipedInputStream",
                     "SequenceInputStream", "StringBufferInputStream"}},
    {"FilterInputStream", {"BufferedInputStream", "DataInputStream", "LineNumberInputStream",
                           "PushbackInputStream"}},
    {"LocalVariables", {"RemoteStackVariable"}},
    {"MenuComponent", {"MenuBar", "MenuItem"}},
    {"MenuItem", {"CheckboxMenuItem", "Menu"}},
    {"Number", {"Double", "Float", "Integer", "Long"}},
    {"OutputStream", {"ByteArrayOutputStream", "FileOutputStream", "FilterOutputStream", "PipedOutputStream"}},
    {"FilterOutputStream", {"BufferedOutputStream", "DataOutputStream", "PrintStream"}},
    {"RemoteValue", {"RemoteBoolean", "RemoteByte", "RemoteChar", "RemoteDouble", "RemoteFloat", "RemoteInt",
                     "RemoteLong", "RemoteObject", "RemoteShort"}},
    {"RemoteObject", {"RemoteArray", "RemoteClass", "RemoteString", "RemoteThread", "RemoteThreadGroup"}},
    {"StackFrame", {"RemoteStackFrame"}},
    {"Throwable", {"Error", "Exception"}},
    {"Error", {"AWTError", "LinkageError", "ThreadDeath", "VirtualMachineError"}},
    {"LinkageError", {"ClassCircularityError", "ClassFormatError", "IncompatibleClassChangeError",
                      "NoClassDefFoundError", "UnsatisfiedLinkError", "VerifyError"}},
    {"IncompatibleClassChangeError", {"AbstractMethodError", "IllegalAccessError", "InstantiationError",
                                      "NoSuchFieldError", "NoSuchMethodError"}},
    {"VirtualMachineError", {"InternalError", "OutOfMemoryError", "StackOverflowError", "UnknownError"}},
    {"Exception", {"AWTException", "ClassNotFoundException", "CloneNotSupportedException", "IOException"}},
    {"IOException", {"EOFException", "FileNotFoundException", "InterruptedIOException", "MalformedURLException",
                     "ProtocolException", "SocketException", "UTFDataFormatException", "UnknownHostException",
                     "UnknownServiceException", "IllegalAccessException", "InstantiationException",
                     "InterruptedException", "NoSuchMethodException", "RuntimeException"}},
    {"RuntimeException", {"ArithmeticException", "ArrayStoreException", "ClassCastException",
                          "EmptyStackException", "IllegalArgumentException", "IllegalMonitorStateException",
                          "IndexOutOfBoundsException", "NegativeArraySizeException", "NoSuchElementException",
                          "NullPointException", "SecurityException"}},
    {"IllegalArgumentException", {"IllegalThreadStateException", "NumberFormatException"}},
    {"IndexOutOfBoundsException", {"ArrayIndexOutOfBoundsException", "StringIndexOutOfBoundsException"}},
    {"Vector", {"Stack"}},
};

// Loaded once for the program: the library tree alone holds hundreds of nodes. Never freed, so
// no picture outlives the application object.
QIcon TreeIcon(int image) {
  static const QIcon* const icons = new QIcon[3]{platform::Glyph("morvane/class"), platform::Glyph("morvane/interface"),
                                                 platform::Glyph("morvane/libraryclass")};
  switch (image) {
    case kClassImage: return icons[0];
    case kInterfaceImage: return icons[1];
    default: return icons[2];
  }
}

QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const std::string& name, int image) {
  auto* node = new QTreeWidgetItem(parent, {QString::fromStdString(name)});
  node->setData(0, Qt::UserRole, image);
  node->setIcon(0, TreeIcon(image));
  return node;
}

}  // namespace

TClassViewer::TClassViewer() {
  SetCaption("Class Viewer");
  setMinimumSize(400, 200);
  resize(520, 360);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Panel1 = new platform::TPanel(this, "Panel1");
  BuildFilterButtons();
  layout->addWidget(Panel1);

  auto* headerModel = new QStandardItemModel(0, 2, this);
  headerModel->setHorizontalHeaderLabels({"Class Hierarchy", "Information"});
  Header1 = new QHeaderView(Qt::Horizontal, this);
  Header1->setModel(headerModel);
  Header1->setSectionResizeMode(QHeaderView::Interactive);
  Header1->resizeSection(0, 220);
  Header1->setStretchLastSection(true);
  Header1->setFixedHeight(Header1->sizeHint().height());
  platform::Connect(Header1, &QHeaderView::sectionResized, this, [this](int section, int, int width) {
    int allowed = width;
    Header1Sizing(section, allowed);
    if (allowed != width) Header1->resizeSection(section, allowed);
    Header1Sized();
  });
  layout->addWidget(Header1);

  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  TreeView1 = new QTreeWidget(this);
  TreeView1->setHeaderHidden(true);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView1->setFixedWidth(220);
  platform::Connect(TreeView1, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* node, QTreeWidgetItem*) { if (node != nullptr) TreeView1Change(node); });
  body->addWidget(TreeView1);

  PageControl1 = new platform::TPageControl(this);
  auto* scope = PageControl1->AddPage("Scope");
  DrawGrid1 = new QTableWidget(1, kIconColumns + 1, scope);
  DrawGrid1->horizontalHeader()->hide();
  DrawGrid1->verticalHeader()->hide();
  DrawGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  DrawGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DrawGrid1->setShowGrid(false);
  DrawGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  DrawGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  for (int column = 0; column < kIconColumns; ++column) DrawGrid1->setColumnWidth(column, kIconColumnWidth);
  DrawGrid1->setColumnWidth(kIconColumns, kTextColumnWidth);
  (new QVBoxLayout(scope))->addWidget(DrawGrid1);
  auto* interfacePage = PageControl1->AddPage("Interface");
  auto* interfaceLayout = new QVBoxLayout(interfacePage);
  ListBox1 = new platform::TListBox(interfacePage);
  Memo1 = new platform::TMemo(interfacePage);
  Memo1->setReadOnly(true);
  interfaceLayout->addWidget(ListBox1);
  interfaceLayout->addWidget(Memo1);
  body->addWidget(PageControl1);
  layout->addLayout(body, 1);

  StatusBar1 = new platform::TStatusBar(this, {400});
  layout->addWidget(StatusBar1);
  QPixmap blank(kIconColumnWidth, kRowHeight);
  blank.fill(Qt::transparent);
  EmptyImage = QIcon(blank);
  BuildLibraryTree();
}

void TClassViewer::BuildFilterButtons() {
  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(4, 2, 4, 2);
  row->addWidget(new QLabel("  Show :", Panel1));
  struct TButtonSpec {
    platform::TSpeedButton** button;
    const char* name;
    const char* hint;
    TScopeFlag flag;
    const char* glyph;
  };
  const TButtonSpec specs[] = {
      {&SpeedButton1, "SpeedButton1", "Static", sfStatic, "static"},
      {&SpeedButton2, "SpeedButton2", "Final", sfFinal, "final"},
      {&SpeedButton10, "SpeedButton10", "Package", sfPackage, "package"},
      {&SpeedButton3, "SpeedButton3", "Private", sfPrivate, "private"},
      {&SpeedButton4, "SpeedButton4", "Protected", sfProtected, "protected"},
      {&SpeedButton5, "SpeedButton5", "Public", sfPublic, "public"},
      {&SpeedButton8, "SpeedButton8", "Abstract", sfAbstract, "abstract"},
      {&SpeedButton6, "SpeedButton6", "Field", sfField, "field"},
      {&SpeedButton7, "SpeedButton7", "Method", sfMethod, "method"},
      {&SpeedButton9, "SpeedButton9", "Synchronized", sfSynchronized, "synchronized"},
  };
  for (const TButtonSpec& spec : specs) {
    auto* button = new platform::TSpeedButton(Panel1, spec.name, spec.hint);
    button->setCheckable(true);
    button->SetDown(true);
    button->SetGlyph(std::string("morvane/") + spec.glyph);
    button->OnClick = [this] { SpeedButton1Click(); };
    *spec.button = button;
    filterButtons_[spec.flag] = button;
    row->addWidget(button);
  }
  row->addStretch();
}

void TClassViewer::BuildLibraryTree() {
  AddNode(TreeView1->invisibleRootItem(), "Object", kLibraryImage);
  for (const auto& [parent, children] : kLibrary) {
    QTreeWidgetItem* parentNode = FindNode(parent);
    for (const char* child : children) AddNode(parentNode, child, kLibraryImage);
  }
}

QTreeWidgetItem* TClassViewer::FindNode(const std::string& name) const {
  const QString text = QString::fromStdString(name);
  for (QTreeWidgetItemIterator it(TreeView1); *it != nullptr; ++it)
    if ((*it)->text(0) == text) return *it;
  return nullptr;
}

int TClassViewer::ImageIndex(const QTreeWidgetItem* node) { return node->data(0, Qt::UserRole).toInt(); }

std::string TClassViewer::ReportFileName() const {
  return platform::ExtractFilePath(EditorForm->ActiveFileName()) + "Tovik.out";
}

TScopeFilter TClassViewer::Filter() const {
  TScopeFilter filter{};
  for (int flag = 0; flag < sfFlagCount; ++flag) filter[flag] = filterButtons_[flag]->isChecked();
  return filter;
}

void TClassViewer::FormShow() {
  FScopeList.clear();
  FAddedNodes.clear();
  looseNode_ = std::make_unique<QTreeWidgetItem>();
  FCurrentNode = looseNode_.get();
  reportLines_.clear();
  platform::TStringList report;
  try {
    report.LoadFromFile(ReportFileName());
  } catch (const platform::Exception&) {
    // A report that cannot be read shows the library tree alone.
  }
  for (int i = 0; i < report.Count(); ++i) reportLines_.push_back(report[i]);
  Memo1->setPlainText(QString::fromStdString(report.Text()));
  MakeClassTree();
  TreeView1->expandAll();
  Header1->resizeSection(0, TreeView1->width());
}

void TClassViewer::MakeClassTree() {
  for (const TReportClass& found : ReadReportClasses(reportLines_)) {
    QTreeWidgetItem* parentNode = FindNode(found.Parent);
    if (parentNode == nullptr) {
      platform::MessageDlg("This version of Morvane can't recognize the parent class " + found.Parent + "\r" +
                               "Browse parent class first." + "\r" + "Morvane will add this " + found.Name +
                               " class under the \"java.lang.Class\" class. ",
                           platform::mtError, platform::mbOK);
      parentNode = FindNode("Class");
    }
    FAddedNodes.push_back(AddNode(parentNode, found.Name, found.IsInterface ? kInterfaceImage : kClassImage));
  }
}

void TClassViewer::MakeTable(const std::string& key) {
  TClassTable table = ReadClassTable(reportLines_, key, Filter());
  ListBox1->clear();
  for (const std::string& name : table.Interfaces) ListBox1->AddItem(name);
  FScopeList = std::move(table.Members);
}

void TClassViewer::FillScopeList() {
  FScopeList.clear();
  const std::string text = FCurrentNode->text(0).toStdString();
  switch (ImageIndex(FCurrentNode)) {
    case kClassImage: MakeTable("Class = " + text); break;
    case kInterfaceImage: MakeTable("Interface = " + text); break;
    default: break;
  }
}

void TClassViewer::TreeView1Change(QTreeWidgetItem* node) {
  FCurrentNode = node;
  FillScopeList();
  const std::string text = node->text(0).toStdString();
  StatusBar1->SetPanelText(0, (ImageIndex(node) == kInterfaceImage ? "Interface " : "Class ") + text);
  if (ImageIndex(node) == kLibraryImage) ListBox1->clear();
  ShowScopeList();
}

void TClassViewer::SpeedButton1Click() {
  FillScopeList();
  ShowScopeList();
}

void TClassViewer::ShowScopeList() {
  DrawGrid1->clearContents();
  DrawGrid1->setRowCount(std::max<int>(1, static_cast<int>(FScopeList.size())));
  for (int row = 0; row < static_cast<int>(FScopeList.size()); ++row) DrawRow(row);
}

QIcon TClassViewer::Glyph(platform::TSpeedButton* button) const { return button->icon(); }

void TClassViewer::DrawRow(int row) {
  const TScopeTable& member = FScopeList[row];
  auto iconOf = [&](bool has, platform::TSpeedButton* button) { return has ? Glyph(button) : EmptyImage; };
  QIcon access = EmptyImage;
  if (member.IsPrivate) access = Glyph(SpeedButton3);
  else if (member.IsProtected) access = Glyph(SpeedButton4);
  else if (member.IsPublic) access = Glyph(SpeedButton5);
  else if (member.IsPackage) access = Glyph(SpeedButton10);
  QIcon kind = member.IsField ? Glyph(SpeedButton6) : iconOf(member.IsMethod, SpeedButton7);
  const QIcon icons[kIconColumns] = {iconOf(member.IsStatic, SpeedButton1), iconOf(member.IsFinal, SpeedButton2),
                                     access, iconOf(member.IsAbstract, SpeedButton8), kind,
                                     iconOf(member.IsSynchronized, SpeedButton9)};
  for (int column = 0; column < kIconColumns; ++column) {
    auto* cell = new QTableWidgetItem;
    cell->setIcon(icons[column]);
    DrawGrid1->setItem(row, column, cell);
  }
  DrawGrid1->setItem(row, kIconColumns, new QTableWidgetItem(QString::fromStdString(member.DisplayText())));
}

void TClassViewer::Header1Sizing(int section, int& width) {
  (void)section;
  width = std::clamp(width, kMinHeaderSection, std::max(kMinHeaderSection, this->width() - kMinHeaderSection));
}

// The tree takes the width of section 0; the page control beside it fills the rest, which is the
// width of section 1.
void TClassViewer::Header1Sized() { TreeView1->setFixedWidth(Header1->sectionSize(0)); }

void TClassViewer::FormResize() { Header1Sized(); }

void TClassViewer::FormClose(platform::TCloseAction& action) {
  (void)action;
  FScopeList.clear();
  FCurrentNode = nullptr;
  const QSignalBlocker quietTree(TreeView1);
  // Nodes added under other added nodes go with them; delete each added node once, deepest first.
  for (auto it = FAddedNodes.rbegin(); it != FAddedNodes.rend(); ++it) delete *it;
  FAddedNodes.clear();
  looseNode_.reset();
  DrawGrid1->clearContents();
  DrawGrid1->setRowCount(1);
  const std::string report = ReportFileName();
  if (std::remove(report.c_str()) != 0)
    platform::MessageDlg("  Can't delete " + platform::ExtractFilePath(report) + "Tovik.out  ", platform::mtError,
                         platform::mbOK);
}

}  // namespace workbench
