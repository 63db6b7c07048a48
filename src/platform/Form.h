// Windows as core objects: a form holds its controls as plain data named as in the game's
// design (Command5, fldMENU(2), Me), its timers and its event handlers.
// The Qt layer mirrors the data onto widgets; tests and scenarios read and drive it directly.
//
// A form's own code reaches its controls through typed members, so that the compiler checks
// every name:
//   Control& Command5 = add(Kind::Button, "Command5", Frame1);
//   ControlArray fldMENU = addArray(Kind::Option, "fldMENU", 6, Frame3);
//   Timer& CountTime = addTimer("CountTime", 3000, [this] { CountTime_Timer(); });
//   on(Command5, Event::Click, ...);  on(fldMENU, Event::Click, ...);  place(Command5, ...);
// Members are declared in the order the controls are created (containers first); the map
// keeps every control where it is, so the references stay valid. The names themselves are
// for the views and the scenario scripts, which find controls by name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace myu {

class Game;

// Colours as 0xRRGGBB.
constexpr std::uint32_t rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}

// What a control is; the view builds its widget by the kind. Window is the form itself (Me).
enum class Kind {
  Window,
  Button,
  Label,
  TextBox,
  Picture,
  Image,
  Option,
  Check,
  Combo,
  List,
  Frame,
  Menu,
  DriveList,
  DirList,
  FileList,
  Grid,
  Chart
};

// The kind as a word: "Button", "Label", … ("Window" for the form itself).
std::string_view kindName(Kind kind);

struct Control {
  std::string name;  // "Command1", or "fldMENU(2)" for an element of a control array
  Kind kind = Kind::Window;
  std::string parent;  // the container's name; empty for the window itself
  std::string caption, text, tooltip;
  std::string picture;  // UTF-8 path of the bitmap shown; empty for none
  bool enabled = true;
  bool visible = true;
  int value = 0;  // options and check boxes: 0 clear, 1 ticked, 2 greyed
  std::vector<std::string> items;
  int listIndex = -1;
  int left = 0, top = 0, width = 0, height = 0;  // twips, inside the parent
  std::uint32_t foreColor = 0x000000, backColor = 0xFFFFFF;
  bool opaque = true;  // background drawn (false: transparent)
  double fontSize = 9;
  bool fontBold = false;
  bool multiLine = false;
  bool locked = false;
  bool stretch = false;
  bool mirrored = false;                        // pictures: drawn mirrored left to right
  int borderStyle = 0;                          // 0 none, 1 a single line
  int cursor = -1;                              // custom mouse cursor image index, -1 default
  std::vector<std::vector<std::string>> cells;  // grid: rows of cells
  std::vector<int> columnWidths;                // grid: twips per column (empty: the view's own)
  std::vector<std::pair<int, int>> points;      // chart: polygon in twips
  std::string path;                             // drive, folder and file lists: the location
  std::string pattern;                          // file list: the filter pattern

  // Field by field: a view tells a changed control from its copy of it.
  bool operator==(const Control&) const = default;
};

// Gives a control its place inside its container, in twips.
Control& place(Control& c, int left, int top, int width, int height);

// The elements of a control array (fldMENU(0) .. fldMENU(5)), or a table of similar controls
// made in a loop (potion1 .. potion10), indexed from `first`.
class ControlArray {
 public:
  ControlArray() = default;
  ControlArray(std::string name, std::vector<Control*> elements, int first = 0)
      : name_(std::move(name)), elements_(std::move(elements)), first_(first) {}

  // The array's name, its elements being name(index); empty for a table, whose elements have
  // names of their own and handlers of their own.
  const std::string& name() const { return name_; }
  int first() const { return first_; }
  int size() const { return static_cast<int>(elements_.size()); }
  // The element of that index; raises error 9 outside first .. first + size − 1.
  Control& operator[](int index) const;

 private:
  std::string name_;
  std::vector<Control*> elements_;
  int first_ = 0;
};

enum class Event { Click, DblClick, Change, KeyPress, MouseDown, MouseUp, DragDrop };

struct EventArgs {
  int index = -1;                  // element of a control array, -1 for a plain control
  int button = 1;                  // mouse: 1 left, 2 right
  int key = 0;                     // key press: the character code
  int x = 0, y = 0;                // mouse position in twips inside the control
  std::vector<std::string> files;  // drag and drop: UTF-8 paths
};

class Form {
 public:
  using Handler = std::function<void(const EventArgs&)>;

  struct Timer {
    std::string name;
    int interval = 0;  // ms
    bool enabled = false;
    bool running = false;  // inside its tick: a tick is never entered twice at once
    std::function<void()> tick;
  };

  Form(Game& game, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  Game& game() { return game_; }

  // The window itself, as the control "Me": caption, size and position, visibility.
  Control& me() { return *me_; }
  const Control& me() const { return *me_; }

  // Adds a control to the window, or inside its container.
  Control& add(Kind kind, const std::string& name);
  Control& add(Kind kind, const std::string& name, const Control& parent);
  // Adds elements name(first) .. name(first + count − 1) of a control array.
  ControlArray addArray(Kind kind, const std::string& name, int count, int first = 0);
  ControlArray addArray(Kind kind, const std::string& name, int count, const Control& parent,
                        int first = 0);

  // By name, for the views and the scenario scripts: the control of that name; raises error 9
  // when there is none.
  Control& ctl(const std::string& name);
  Control& ctl(const std::string& name, int index);
  Control* find(const std::string& name);
  const std::vector<std::string>& controlOrder() const { return order_; }

  void on(const Control& control, Event event, Handler handler);
  // One handler for every element of a control array (not a table); it receives the
  // element's index.
  void on(const ControlArray& array, Event event, Handler handler);
  // Runs the handler of an event; "fldMENU(2)" reaches the array's handler with index 2.
  // Returns false when the control has no handler for that event.
  bool fire(const std::string& control, Event event, EventArgs args = {});
  bool fire(const Control& control, Event event, EventArgs args = {});
  bool hasHandler(const std::string& control, Event event) const;

  Timer& addTimer(const std::string& name, int interval, std::function<void()> tick);
  // By name, for the views and the scenario scripts.
  Timer* timer(const std::string& name);
  std::vector<Timer*> timers();
  // One tick of a timer, if it is enabled and not already inside a tick.
  bool fireTimer(const std::string& name);

  // Lifecycle, driven by Game.
  virtual void Form_Load() {}
  // Return true to cancel the close.
  virtual bool Form_QueryUnload() { return false; }
  virtual void Form_Unload() {}
  virtual void Form_Activate() {}

  bool loaded = false;
  bool shown = false;
  bool modal = false;
  bool closed = false;
  bool onTop = false;

 protected:
  Game& game_;

 private:
  void on(const std::string& control, Event event, Handler handler);
  Control& addControl(Kind kind, const std::string& name, const std::string& parent);
  ControlArray addArrayOf(Kind kind, const std::string& name, int count, const std::string& parent,
                          int first);

  std::string name_;
  std::map<std::string, Control> controls_;
  Control* me_ = nullptr;
  std::vector<std::string> order_;
  std::map<std::string, Handler> handlers_;
  std::vector<std::unique_ptr<Timer>> timers_;
};

// Splits "fldMENU(2)" into "fldMENU" and 2; a plain name gives index -1.
std::pair<std::string, int> splitControlName(const std::string& name);

}  // namespace myu
