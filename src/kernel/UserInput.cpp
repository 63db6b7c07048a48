#include "kernel/UserInput.h"

#include "kernel/Game.h"

namespace myu {
namespace {
// Runs one top-level event; closed forms are destroyed once no handler is running.
template <typename F>
void dispatch(Form& form, F&& body) {
  Game& g = form.game();
  ++g.eventDepth;
  ++g.handlerDepth;
  try {
    body();
  } catch (...) {
    --g.handlerDepth;
    --g.eventDepth;
    throw;
  }
  --g.handlerDepth;
  if (--g.eventDepth == 0) g.reapClosedForms();
}
}  // namespace

void userClick(Form& form, const std::string& control, int button) {
  dispatch(form, [&] {
    Control& c = form.ctl(control);
    if (!c.enabled) return;
    if (c.kind == Kind::Check) {
      c.value = c.value == 1 ? 0 : 1;
    } else if (c.kind == Kind::Option) {
      for (const auto& name : form.controlOrder()) {
        Control& other = form.ctl(name);
        if (other.kind == Kind::Option && other.parent == c.parent) other.value = 0;
      }
      c.value = 1;
    }
    EventArgs args;
    args.button = button;
    if (button == 2) {
      form.fire(control, Event::MouseDown, args);
      form.fire(control, Event::MouseUp, args);
      return;
    }
    form.fire(control, Event::MouseDown, args);
    form.fire(control, Event::Click, args);
    form.fire(control, Event::MouseUp, args);
  });
}

void userDblClick(Form& form, const std::string& control) {
  dispatch(form, [&] {
    if (!form.ctl(control).enabled) return;
    form.fire(control, Event::DblClick);
  });
}

void userSelect(Form& form, const std::string& control, int index) {
  dispatch(form, [&] {
    Control& c = form.ctl(control);
    if (index < 0 || index >= static_cast<int>(c.items.size())) return;
    c.listIndex = index;
    if (c.kind == Kind::Combo) c.text = c.items[static_cast<size_t>(index)];
    form.fire(control, Event::Click);
  });
}

void userType(Form& form, const std::string& control, const std::string& text) {
  dispatch(form, [&] {
    Control& c = form.ctl(control);
    c.text = text;
    form.fire(control, Event::Change);
  });
}

void userDrop(Form& form, const std::string& control, const std::vector<std::string>& files) {
  dispatch(form, [&] {
    EventArgs args;
    args.files = files;
    form.fire(control, Event::DragDrop, args);
  });
}

void userKey(Form& form, int key) {
  dispatch(form, [&] {
    EventArgs args;
    args.key = key;
    form.fire(form.me(), Event::KeyPress, args);
  });
}

bool userClose(Form& form) {
  bool closed = false;
  dispatch(form, [&] { closed = form.game().unload(form); });
  return closed;
}

bool userTimer(Form& form, const std::string& timer) {
  bool ran = false;
  dispatch(form, [&] { ran = form.fireTimer(timer); });
  return ran;
}

}  // namespace myu
