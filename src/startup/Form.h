// Windows as core objects: a form holds its controls as plain data named as in the game's
// design (Command5, fldMENU(2), Me), its timers, its event handlers and its procedures.
// The Qt layer mirrors the data onto widgets; tests and scenarios read and drive it directly.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace myu {

class Game;

// Colours as 0xRRGGBB.
constexpr std::uint32_t rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}

struct Control {
  std::string name;    // "Command1", or "fldMENU(2)" for an element of a control array
  std::string kind;    // "Button", "Label", "TextBox", "Picture", "Image", "Option", "Check",
                       // "Combo", "List", "Frame", "Menu", "DriveList", "DirList", "FileList",
                       // "Grid", "Chart"
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
  using Procedure = std::function<std::optional<std::string>(const std::vector<std::string>&)>;

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
  Control& me() { return ctl("Me"); }

  Control& add(const std::string& kind, const std::string& name, const std::string& parent = "");
  // Adds elements name(0) .. name(count − 1) of a control array.
  void addArray(const std::string& kind, const std::string& name, int count,
                const std::string& parent = "");
  // The control of that name; raises error 9 when there is none.
  Control& ctl(const std::string& name);
  Control& ctl(const std::string& name, int index);
  Control* find(const std::string& name);
  const std::vector<std::string>& controlOrder() const { return order_; }

  void on(const std::string& control, Event event, Handler handler);
  // Runs the handler of an event; "fldMENU(2)" reaches the array's handler with index 2.
  // Returns false when the control has no handler for that event.
  bool fire(const std::string& control, Event event, EventArgs args = {});
  bool hasHandler(const std::string& control, Event event) const;

  Timer& addTimer(const std::string& name, int interval, std::function<void()> tick);
  Timer* timer(const std::string& name);
  std::vector<Timer*> timers();
  // One tick of a timer, if it is enabled and not already inside a tick.
  bool fireTimer(const std::string& name);

  void procedure(const std::string& name, Procedure proc);
  const Procedure* findProcedure(const std::string& name) const;

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
  std::string name_;
  std::map<std::string, Control> controls_;
  std::vector<std::string> order_;
  std::map<std::string, Handler> handlers_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::map<std::string, Procedure> procedures_;
};

// Splits "fldMENU(2)" into "fldMENU" and 2; a plain name gives index -1.
std::pair<std::string, int> splitControlName(const std::string& name);

}  // namespace myu
