#pragma once
// The X desktop as a user meets it: the windows the window manager manages, found by title through
// its lists, their places and stacking read from the server, and keys and mouse buttons sent through
// XTest, so that they reach whatever window has the keyboard focus or lies under the pointer.
#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace desktop {

struct Point {
  int x = 0;
  int y = 0;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  Point Centre() const { return {x + width / 2, y + height / 2}; }
  bool Contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
};

class XDesktop {
 public:
  // The display named by DISPLAY, opened on first use.
  static XDesktop& Instance();

  // Whether a window manager announces itself (_NET_SUPPORTING_WM_CHECK).
  bool HasWindowManager();

  // The managed windows, bottom to top (_NET_CLIENT_LIST_STACKING).
  std::vector<Window> Stacking();
  std::string Title(Window window);
  long Pid(Window window);
  Window Active();  // _NET_ACTIVE_WINDOW, the window with the focus
  // The window's outer frame and its client area on the screen.
  Rect Frame(Window window);
  Rect ClientArea(Window window);
  Rect Screen();
  // The popups a process shows: its override-redirect windows but tool tips (menus, completions).
  std::vector<Window> Popups(long pid);
  // Whether a process shows a splash window.
  bool SplashShown(long pid);

  // Keys as "Ctrl+O", "F8", "Return", "Alt+E", "Shift+Tab" or one character.
  void Key(const std::string& keys);
  void Type(const std::string& text);
  void Click(Point at);
  void DoubleClick(Point at);
  void Drag(Point from, Point to);
  // Turns the mouse wheel over the point, down (or right, sideways) by positive notches.
  void Wheel(Point at, int notches, bool sideways = false);
  // The colours of the screen's pixels in the rectangle as 0xRRGGBB, row by row.
  std::vector<unsigned long> Grab(Rect area);
  // The steps of a drag one by one, for a drag whose release is timed.
  void ButtonDown(Point at);
  void PointerTo(Point at);
  void ButtonUp(Point at);
  // Asks the window manager to close the window, as its close box does (_NET_CLOSE_WINDOW).
  void Close(Window window);
  // Asks the window to answer a ping (_NET_WM_PING) and returns the stamp to await.
  long Ping(Window window);
  // Whether the root window received the window's answer to that ping.
  bool Ponged(long stamp);
  // Leaves the clipboard without an owner, as after a session in which nothing was copied.
  void ClearClipboard();

 private:
  XDesktop();
  Atom AtomNamed(const char* name);
  std::vector<unsigned long> Cardinals(Window window, const char* property, Atom type);
  void Button(Point at, bool press, unsigned button = 1);
  void Press(unsigned long keysym, bool press);
  void SendToRoot(Window window, const char* message, long first, long second = 0, long third = 0);

  Display* display_;
  Window root_;
  long nextStamp_ = 1;
  std::vector<long> pongs_;
};

}  // namespace desktop
