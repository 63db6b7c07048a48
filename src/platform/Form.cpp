#include "platform/Form.h"

#include <algorithm>
#include <iterator>

#include "platform/VbError.h"

namespace myu {
namespace {
const char* eventName(Event e) {
  switch (e) {
    case Event::Click:
      return "Click";
    case Event::DblClick:
      return "DblClick";
    case Event::Change:
      return "Change";
    case Event::KeyPress:
      return "KeyPress";
    case Event::MouseDown:
      return "MouseDown";
    case Event::MouseUp:
      return "MouseUp";
    case Event::DragDrop:
      return "DragDrop";
  }
  return "";
}

constexpr std::string_view kKindNames[] = {
    "Window", "Button", "Label", "TextBox",   "Picture", "Image",    "Option", "Check", "Combo",
    "List",   "Frame",  "Menu",  "DriveList", "DirList", "FileList", "Grid",   "Chart"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(Kind::Chart) + 1,
              "a name for every kind");

std::string elementName(const std::string& name, int index) {
  return name + "(" + std::to_string(index) + ")";
}
}  // namespace

std::string_view kindName(Kind kind) {
  const auto i = static_cast<std::size_t>(kind);
  return i < std::size(kKindNames) ? kKindNames[i] : std::string_view();
}

Control& place(Control& c, int left, int top, int width, int height) {
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

Control& ControlArray::operator[](int index) const {
  if (index < first_ || index - first_ >= size()) raise(err::kSubscript);
  return *elements_[static_cast<std::size_t>(index - first_)];
}

std::pair<std::string, int> splitControlName(const std::string& name) {
  auto open = name.find('(');
  if (open == std::string::npos || name.back() != ')') return {name, -1};
  int index = 0;
  for (size_t i = open + 1; i + 1 < name.size(); ++i) {
    char c = name[i];
    if (c < '0' || c > '9') return {name, -1};
    index = index * 10 + (c - '0');
    if (index > 100000) return {name, -1};
  }
  return {name.substr(0, open), index};
}

Form::Form(Game& game, std::string name) : game_(game), name_(std::move(name)) {
  me_ = &add(Kind::Window, "Me");
  me_->caption = "ミュルカ";
  me_->visible = false;
}

Form::~Form() = default;

Control& Form::addControl(Kind kind, const std::string& name, const std::string& parent) {
  auto [it, fresh] = controls_.try_emplace(name);
  if (fresh) order_.push_back(name);
  it->second.name = name;
  it->second.kind = kind;
  it->second.parent = parent;
  return it->second;
}

Control& Form::add(Kind kind, const std::string& name) {
  return addControl(kind, name, "");
}

Control& Form::add(Kind kind, const std::string& name, const Control& parent) {
  return addControl(kind, name, parent.name);
}

ControlArray Form::addArrayOf(Kind kind, const std::string& name, int count,
                              const std::string& parent, int first) {
  std::vector<Control*> elements;
  elements.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i)
    elements.push_back(&addControl(kind, elementName(name, first + i), parent));
  return ControlArray(name, std::move(elements), first);
}

ControlArray Form::addArray(Kind kind, const std::string& name, int count, int first) {
  return addArrayOf(kind, name, count, "", first);
}

ControlArray Form::addArray(Kind kind, const std::string& name, int count, const Control& parent,
                            int first) {
  return addArrayOf(kind, name, count, parent.name, first);
}

Control* Form::find(const std::string& name) {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : &it->second;
}

Control& Form::ctl(const std::string& name) {
  Control* c = find(name);
  if (c == nullptr) raise(err::kSubscript);
  return *c;
}

Control& Form::ctl(const std::string& name, int index) {
  return ctl(elementName(name, index));
}

void Form::on(const Control& control, Event event, Handler handler) {
  on(control.name, event, std::move(handler));
}

void Form::on(const ControlArray& array, Event event, Handler handler) {
  on(array.name(), event, std::move(handler));
}

void Form::on(const std::string& control, Event event, Handler handler) {
  handlers_[control + "." + eventName(event)] = std::move(handler);
}

bool Form::hasHandler(const std::string& control, Event event) const {
  auto [base, index] = splitControlName(control);
  return handlers_.contains(base + "." + eventName(event));
}

bool Form::fire(const std::string& control, Event event, EventArgs args) {
  auto [base, index] = splitControlName(control);
  auto it = handlers_.find(base + "." + eventName(event));
  if (it == handlers_.end()) return false;
  if (args.index < 0) args.index = index;
  Handler h = it->second;  // the handler may replace itself
  h(args);
  return true;
}

bool Form::fire(const Control& control, Event event, EventArgs args) {
  return fire(control.name, event, std::move(args));
}

Form::Timer& Form::addTimer(const std::string& name, int interval, std::function<void()> tick) {
  auto t = std::make_unique<Timer>();
  t->name = name;
  t->interval = interval;
  t->tick = std::move(tick);
  timers_.push_back(std::move(t));
  return *timers_.back();
}

Form::Timer* Form::timer(const std::string& name) {
  for (auto& t : timers_)
    if (t->name == name) return t.get();
  return nullptr;
}

std::vector<Form::Timer*> Form::timers() {
  std::vector<Timer*> out;
  for (auto& t : timers_) out.push_back(t.get());
  return out;
}

bool Form::fireTimer(const std::string& name) {
  Timer* t = timer(name);
  if (t == nullptr || !t->enabled || t->running || closed) return false;
  t->running = true;
  struct Reset {
    Timer* t;
    ~Reset() { t->running = false; }
  } reset{t};
  t->tick();
  return true;
}

}  // namespace myu
