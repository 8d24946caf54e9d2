#include "XDesktop.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace desktop {

namespace {

struct NamedKey {
  const char* name;
  unsigned long keysym;
};

// The names a key combination uses for its modifiers.
constexpr NamedKey kModifiers[] = {{"Ctrl", XK_Control_L}, {"Alt", XK_Alt_L}, {"Shift", XK_Shift_L}};

unsigned long KeysymOf(const std::string& name) {
  if (name.size() == 1) {
    // A letter names its key, as a shortcut does: Ctrl+O is the o key with Ctrl.
    unsigned char c = static_cast<unsigned char>(name[0]);
    return std::isalpha(c) ? static_cast<unsigned long>(std::tolower(c)) : c;
  }
  KeySym keysym = XStringToKeysym(name.c_str());
  if (keysym == NoSymbol) throw std::runtime_error("no key named " + name);
  return keysym;
}

// Printable ASCII characters are their own keysyms; line and tab breaks are keys.
unsigned long KeysymOfCharacter(char c) {
  if (c == '\n') return XK_Return;
  if (c == '\t') return XK_Tab;
  return static_cast<unsigned char>(c);
}

}  // namespace

XDesktop& XDesktop::Instance() {
  static XDesktop desktop;
  return desktop;
}

XDesktop::XDesktop() {
  display_ = XOpenDisplay(nullptr);
  if (display_ == nullptr) throw std::runtime_error("cannot open the X display named by DISPLAY");
  root_ = DefaultRootWindow(display_);
  // Windows come and go while the stage looks at them: a request about one that has just gone
  // fails, and the failure only means it is gone.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  // The answers to pings come to the root window.
  XSelectInput(display_, root_, StructureNotifyMask);
}

Atom XDesktop::AtomNamed(const char* name) { return XInternAtom(display_, name, False); }

std::vector<unsigned long> XDesktop::Cardinals(Window window, const char* property, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  int status = XGetWindowProperty(display_, window, AtomNamed(property), 0, 4096, False, type, &actualType,
                                  &format, &count, &after, &data);
  if (status == Success && data != nullptr && format == 32) {
    auto* longs = reinterpret_cast<unsigned long*>(data);
    values.assign(longs, longs + count);
  }
  if (data != nullptr) XFree(data);
  return values;
}

bool XDesktop::HasWindowManager() {
  std::vector<unsigned long> check = Cardinals(root_, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  return !check.empty() && !Cardinals(check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty();
}

std::vector<Window> XDesktop::Stacking() {
  std::vector<unsigned long> list = Cardinals(root_, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
  return {list.begin(), list.end()};
}

std::string XDesktop::Title(Window window) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  int status = XGetWindowProperty(display_, window, AtomNamed("_NET_WM_NAME"), 0, 1024, False,
                                  AtomNamed("UTF8_STRING"), &actualType, &format, &count, &after, &data);
  std::string title = status == Success && data != nullptr ? std::string(reinterpret_cast<char*>(data), count) : "";
  if (data != nullptr) XFree(data);
  return title;
}

long XDesktop::Pid(Window window) {
  std::vector<unsigned long> pid = Cardinals(window, "_NET_WM_PID", XA_CARDINAL);
  return pid.empty() ? 0 : static_cast<long>(pid[0]);
}

Window XDesktop::Active() {
  std::vector<unsigned long> active = Cardinals(root_, "_NET_ACTIVE_WINDOW", XA_WINDOW);
  return active.empty() ? None : active[0];
}

Rect XDesktop::ClientArea(Window window) {
  Window child = None;
  Window ignored = None;
  int x = 0, y = 0, localX = 0, localY = 0;
  unsigned width = 0, height = 0, border = 0, depth = 0;
  bool known = XGetGeometry(display_, window, &ignored, &localX, &localY, &width, &height, &border, &depth) &&
               XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
  if (!known) return {};
  return {x, y, static_cast<int>(width), static_cast<int>(height)};
}

Rect XDesktop::Frame(Window window) {
  Rect client = ClientArea(window);
  std::vector<unsigned long> extents = Cardinals(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
  if (extents.size() < 4) return client;
  int left = static_cast<int>(extents[0]), right = static_cast<int>(extents[1]);
  int top = static_cast<int>(extents[2]), bottom = static_cast<int>(extents[3]);
  return {client.x - left, client.y - top, client.width + left + right, client.height + top + bottom};
}

Rect XDesktop::Screen() {
  int screen = DefaultScreen(display_);
  return {0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}

std::vector<Window> XDesktop::Popups(long pid) {
  Window rootReturn = None, parent = None;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display_, root_, &rootReturn, &parent, &children, &count)) return {};
  // Qt types a menu's window only the first time it shows, so a popup is known by what it is not.
  const Atom toolTip = AtomNamed("_NET_WM_WINDOW_TYPE_TOOLTIP");
  std::vector<Window> popups;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, children[i], &attributes)) continue;
    if (!attributes.override_redirect || attributes.map_state != IsViewable || Pid(children[i]) != pid) continue;
    std::vector<unsigned long> types = Cardinals(children[i], "_NET_WM_WINDOW_TYPE", XA_ATOM);
    if (std::find(types.begin(), types.end(), toolTip) == types.end()) popups.push_back(children[i]);
  }
  if (children != nullptr) XFree(children);
  return popups;
}

bool XDesktop::SplashShown(long pid) {
  const Atom splash = AtomNamed("_NET_WM_WINDOW_TYPE_SPLASH");
  for (Window window : Stacking()) {
    std::vector<unsigned long> types = Cardinals(window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
    if (Pid(window) == pid && std::find(types.begin(), types.end(), splash) != types.end()) return true;
  }
  return false;
}

void XDesktop::Press(unsigned long keysym, bool press) {
  KeyCode code = XKeysymToKeycode(display_, keysym);
  if (code == 0) throw std::runtime_error("the keyboard has no key for keysym " + std::to_string(keysym));
  XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
}

void XDesktop::Key(const std::string& keys) {
  std::vector<unsigned long> held;
  std::string rest = keys;
  for (size_t plus = rest.find('+'); plus != std::string::npos && plus + 1 < rest.size(); plus = rest.find('+')) {
    std::string name = rest.substr(0, plus);
    auto modifier = std::find_if(std::begin(kModifiers), std::end(kModifiers),
                                 [&](const NamedKey& key) { return name == key.name; });
    if (modifier == std::end(kModifiers)) throw std::runtime_error("no modifier named " + name + " in " + keys);
    held.push_back(modifier->keysym);
    rest = rest.substr(plus + 1);
  }
  for (unsigned long modifier : held) Press(modifier, true);
  unsigned long keysym = KeysymOf(rest);
  Press(keysym, true);
  Press(keysym, false);
  for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) Press(*modifier, false);
  XSync(display_, False);
}

void XDesktop::Type(const std::string& text) {
  for (char c : text) {
    unsigned long keysym = KeysymOfCharacter(c);
    KeyCode code = XKeysymToKeycode(display_, keysym);
    bool shifted = code != 0 && XkbKeycodeToKeysym(display_, code, 0, 0) != keysym;
    if (shifted) Press(XK_Shift_L, true);
    Press(keysym, true);
    Press(keysym, false);
    if (shifted) Press(XK_Shift_L, false);
  }
  XSync(display_, False);
}

void XDesktop::Button(Point at, bool press, unsigned button) {
  XTestFakeMotionEvent(display_, -1, at.x, at.y, CurrentTime);
  XTestFakeButtonEvent(display_, button, press ? True : False, CurrentTime);
}

void XDesktop::Click(Point at) {
  Button(at, true);
  Button(at, false);
  XSync(display_, False);
}

void XDesktop::DoubleClick(Point at) {
  Click(at);
  Click(at);
}

void XDesktop::Drag(Point from, Point to) {
  Button(from, true);
  constexpr int kSteps = 8;  // a hand's drag passes through the points between
  for (int step = 1; step <= kSteps; ++step)
    XTestFakeMotionEvent(display_, -1, from.x + (to.x - from.x) * step / kSteps,
                         from.y + (to.y - from.y) * step / kSteps, CurrentTime);
  Button(to, false);
  XSync(display_, False);
}

// Buttons 4 and 5 turn the wheel up and down, 6 and 7 left and right.
void XDesktop::Wheel(Point at, int notches, bool sideways) {
  XTestFakeMotionEvent(display_, -1, at.x, at.y, CurrentTime);
  unsigned button = (sideways ? 6 : 4) + (notches > 0 ? 1 : 0);
  for (int i = 0; i < std::abs(notches); ++i) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
  }
  XSync(display_, False);
}

std::vector<unsigned long> XDesktop::Grab(Rect area) {
  XImage* image = XGetImage(display_, root_, area.x, area.y, static_cast<unsigned>(area.width),
                            static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  std::vector<unsigned long> pixels;
  pixels.reserve(static_cast<size_t>(area.width) * static_cast<size_t>(area.height));
  for (int y = 0; y < area.height; ++y)
    for (int x = 0; x < area.width; ++x) pixels.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
  XDestroyImage(image);
  return pixels;
}

void XDesktop::ButtonDown(Point at) {
  Button(at, true);
  XSync(display_, False);
}

void XDesktop::PointerTo(Point at) {
  XTestFakeMotionEvent(display_, -1, at.x, at.y, CurrentTime);
  XSync(display_, False);
}

void XDesktop::ButtonUp(Point at) {
  Button(at, false);
  XSync(display_, False);
}

void XDesktop::SendToRoot(Window window, const char* message, long first, long second, long third) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = AtomNamed(message);
  event.xclient.format = 32;
  event.xclient.data.l[0] = first;
  event.xclient.data.l[1] = second;
  event.xclient.data.l[2] = third;
  XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XSync(display_, False);
}

void XDesktop::Close(Window window) {
  // Source 2: a pager or taskbar asks, as for a click on the window's close box.
  SendToRoot(window, "_NET_CLOSE_WINDOW", CurrentTime, 2);
}

long XDesktop::Ping(Window window) {
  long stamp = nextStamp_++;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = AtomNamed("WM_PROTOCOLS");
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(AtomNamed("_NET_WM_PING"));
  event.xclient.data.l[1] = stamp;
  event.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display_, window, False, NoEventMask, &event);
  XSync(display_, False);
  return stamp;
}

bool XDesktop::Ponged(long stamp) {
  const Atom protocols = AtomNamed("WM_PROTOCOLS");
  const auto ping = static_cast<long>(AtomNamed("_NET_WM_PING"));
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == ClientMessage && event.xclient.message_type == protocols && event.xclient.data.l[0] == ping)
      pongs_.push_back(event.xclient.data.l[1]);
  }
  return std::find(pongs_.begin(), pongs_.end(), stamp) != pongs_.end();
}

void XDesktop::ClearClipboard() {
  XSetSelectionOwner(display_, AtomNamed("CLIPBOARD"), None, CurrentTime);
  XSync(display_, False);
}

}  // namespace desktop
