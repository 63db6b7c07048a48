#include "app/scenario/ScenarioRunner.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <random>
#include <sstream>

#include "kernel/UserInput.h"
#include "petwindow/frmKivoMain.h"
#include "platform/Sjis.h"
#include "platform/VbError.h"

namespace myu {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 64 bits on every system (a long has 32 on Windows), so that a script reads the same.
std::int64_t toNumber(const std::string& s) {
  std::int64_t v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size())
    throw std::invalid_argument("not a number: " + s);
  return v;
}

// How many arguments a command takes.
struct Arity {
  std::size_t min, max;
};
constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

const std::map<std::string, Arity>& arities() {
  // clang-format off
  static const std::map<std::string, Arity> kArity = {
      // The program folder and its files.
      {"folder", {1, 1}}, {"put", {2, 2}}, {"putbytes", {2, kAny}},  // NAME HEX...
      {"show", {1, 1}}, {"ls", {0, 0}}, {"expectfile", {2, 2}}, {"remove", {1, 1}},
      // Clock, random source, dialogs, screen, other copies.
      {"clock", {2, 2}}, {"wait", {1, 1}}, {"seed", {1, 1}}, {"random", {0, kAny}},
      {"trace", {1, 1}}, {"answer", {0, kAny}}, {"input", {0, 1}}, {"auto", {1, 1}},
      {"screen", {2, 2}}, {"monitor", {4, 4}}, {"placing", {1, 1}},  // LEFT TOP WIDTH HEIGHT
      {"instance", {1, 1}}, {"session", {1, 1}},
      // How the session around the program ends or pauses.
      {"signal", {1, 1}}, {"displaylost", {0, 0}}, {"commitdata", {0, 0}}, {"logind", {1, 1}},
      // Driving the program.
      {"start", {0, 0}}, {"tick", {1, 1}}, {"timer", {2, 2}},
      {"click", {1, 1}}, {"dblclick", {1, 1}}, {"rclick", {1, 1}},
      {"select", {2, 2}}, {"type", {2, 2}}, {"drop", {2, kAny}},  // CONTROL PATH...
      {"close", {1, 1}}, {"key", {2, 2}},
      {"call", {1, kAny}},        // PROCEDURE ARG...
      {"expectcall", {2, kAny}},  // PROCEDURE ARG... RESULT
      // Fields and properties.
      {"set", {2, 2}}, {"get", {1, 1}}, {"expect", {2, 2}},
  };
  // clang-format on
  return kArity;
}

// A line with an unknown command or a count of arguments its command does not take cannot
// be read: nothing of it is run.
void checkArity(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  auto it = arities().find(cmd);
  if (it == arities().end()) throw std::invalid_argument("unknown command " + cmd);
  const Arity a = it->second;
  const std::size_t n = w.size() - 1;
  auto count = [](std::size_t k) {
    return std::to_string(k) + (k == 1 ? " argument" : " arguments");
  };
  if (n < a.min)
    throw std::invalid_argument(cmd + " needs " + (a.max == a.min ? "" : "at least ") +
                                count(a.min) + ", not " + std::to_string(n));
  if (n > a.max)
    throw std::invalid_argument(cmd + " takes " + (a.max == a.min ? "" : "at most ") +
                                count(a.max) + ", not " + std::to_string(n));
}

}  // namespace

std::vector<std::string> splitScriptLine(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c != '\\' || i >= line.size()) {
          word += c;
          continue;
        }
        char e = line[i++];
        switch (e) {
          case 'r':
            word += '\r';
            break;
          case 'n':
            word += '\n';
            break;
          case 't':
            word += '\t';
            break;
          case '"':
            word += '"';
            break;
          case '\\':
            word += '\\';
            break;
          case 'x': {
            int hi = i < line.size() ? hexDigit(line[i]) : -1;
            int lo = i + 1 < line.size() ? hexDigit(line[i + 1]) : -1;
            if (hi < 0 || lo < 0) throw std::invalid_argument("bad \\x escape");
            word += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
          }
          default:
            throw std::invalid_argument(std::string("unknown escape \\") + e);
        }
      }
      if (!closed) throw std::invalid_argument("unclosed quote");
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

ScenarioRunner::ScenarioRunner(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), scripted_(out) {
  registerAllProcedures(procedures_);
  windows_.pump = [this](Form& f) { pumpModal(f); };
}

ScenarioRunner::~ScenarioRunner() {
  game_.reset();
  if (tempFolder_ && !folder_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
}

void ScenarioRunner::makeGame() {
  if (folder_.empty()) {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() /
              ("myuruka-scenario-" + std::to_string(rd()) + std::to_string(rd()));
    tempFolder_ = true;
  }
  std::filesystem::create_directories(folder_);
  game_ = std::make_unique<Game>(folder_, scripted_.forFolder(folder_));
  game_->errorLogObserver = [this](const std::string& line) {
    out_ << "errorlog " << quoteText(line) << "\n";
  };
}

Game& ScenarioRunner::game() {
  if (!game_) makeGame();
  return *game_;
}

Form& ScenarioRunner::formNamed(const std::string& name) {
  Form* f = game().findForm(name);
  if (f == nullptr) throw BadLine("no open form " + name);
  return *f;
}

std::string ScenarioRunner::field(const std::string& name) {
  auto v = getField(game().st, name);
  if (!v) throw BadLine("unknown field " + name);
  return *v;
}

std::string ScenarioRunner::property(const std::string& path) {
  auto firstDot = path.find('.');
  auto lastDot = path.rfind('.');
  if (firstDot == std::string::npos || firstDot == lastDot) return field(path);
  Form& f = formNamed(path.substr(0, firstDot));
  std::string ctlName = path.substr(firstDot + 1, lastDot - firstDot - 1);
  std::string prop = path.substr(lastDot + 1);
  if (prop == "timer") {
    // FORM.TIMER.timer: whether the timer runs, the same as FORM.TIMER.enabled.
    Form::Timer* t = f.timer(ctlName);
    if (t == nullptr) throw BadLine("no timer " + ctlName + " on " + f.name());
    return boolText(t->enabled);
  }
  Control* c = f.find(ctlName);
  if (c == nullptr) {
    // A timer is a control of its form as well.
    if (Form::Timer* t = f.timer(ctlName)) {
      if (prop == "enabled") return boolText(t->enabled);
      if (prop == "interval") return std::to_string(t->interval);
      throw BadLine("unknown property " + prop + " of timer " + ctlName);
    }
    throw BadLine("no control " + ctlName + " on " + f.name());
  }
  if (prop == "caption") return c->caption;
  if (prop == "text") return c->text;
  if (prop == "enabled") return boolText(c->enabled);
  if (prop == "visible") return boolText(c->visible);
  if (prop == "value") {
    // An option button's value is a Boolean: set (1, or any other non-zero) is True. Check
    // boxes keep their three numbers (0 clear, 1 ticked, 2 greyed).
    if (c->kind == Kind::Option) return boolText(c->value != 0);
    return std::to_string(c->value);
  }
  if (prop == "tooltip") return c->tooltip;
  if (prop == "left") return std::to_string(c->left);
  if (prop == "top") return std::to_string(c->top);
  if (prop == "width") return std::to_string(c->width);
  if (prop == "height") return std::to_string(c->height);
  if (prop == "listIndex") return std::to_string(c->listIndex);
  if (prop == "picture") return c->picture;
  if (prop == "forecolor") return std::to_string(c->foreColor);
  if (prop == "backcolor") return std::to_string(c->backColor);
  if (prop == "opaque") return boolText(c->opaque);
  if (prop == "cursor") return std::to_string(c->cursor);
  if (prop == "path") return c->path;
  if (prop == "pattern") return c->pattern;
  if (prop == "mirrored") return boolText(c->mirrored);
  if (prop == "borderStyle") return std::to_string(c->borderStyle);
  if (prop == "items") {
    std::string all;
    for (size_t i = 0; i < c->items.size(); ++i) all += (i ? "\n" : "") + c->items[i];
    return all;
  }
  if (prop == "cells") {
    std::string all;
    for (size_t r = 0; r < c->cells.size(); ++r) {
      if (r) all += "\n";
      for (size_t k = 0; k < c->cells[r].size(); ++k) all += (k ? "|" : "") + c->cells[r][k];
    }
    return all;
  }
  throw BadLine("unknown property " + prop);
}

void ScenarioRunner::timerTicks(Form& form, const std::string& timer, std::int64_t count) {
  Form::Timer* t = form.timer(timer);
  if (t == nullptr) throw BadLine("no timer " + timer + " on " + form.name());
  Game& g = game();
  std::string formName = form.name();
  for (std::int64_t i = 0; i < count; ++i) {
    Form* f = g.findForm(formName);
    if (f == nullptr || f != &form) break;
    t = f->timer(timer);
    if (t == nullptr || !t->enabled) break;
    clock_.advanceMs(t->interval);
    userTimer(*f, timer);
  }
}

void ScenarioRunner::pumpModal(Form& form) {
  // The modal form takes the following lines until it closes or hides.
  while (!form.closed && form.shown) {
    if (next_ >= lines_.size()) throw ScriptEnded{};
    executeNext();
  }
}

void ScenarioRunner::executeNext() {
  const std::string& raw = lines_[next_++];
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  auto first = line.find_first_not_of(" \t");
  if (first == std::string::npos || line[first] == '#') return;
  std::vector<std::string> words;
  try {
    words = splitScriptLine(line);
    if (!words.empty()) checkArity(words);
  } catch (const std::invalid_argument& e) {
    throw BadLine(e.what());
  }
  if (words.empty()) return;
  // A start or call may open modal windows: the game exists before it, so that windows
  // closed inside are kept until the line is done.
  Game* g = words[0] == "start" || words[0] == "call" ? &game() : game_.get();
  if (g != nullptr) ++g->eventDepth;
  try {
    execute(words);
  } catch (...) {
    if (g != nullptr) --g->eventDepth;
    throw;
  }
  if (g != nullptr && --g->eventDepth == 0) g->reapClosedForms();
}

void ScenarioRunner::execute(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];  // its count of arguments is checked already
  auto num = [&](size_t i) {
    try {
      return toNumber(w[i]);
    } catch (const std::invalid_argument& e) {
      throw BadLine(e.what());
    }
  };

  if (cmd == "folder") {
    if (game_) throw BadLine("folder must come before anything that uses the program folder");
    folder_ = u8path(w[1]);
    tempFolder_ = false;
    std::filesystem::create_directories(folder_);
  } else if (cmd == "put" || cmd == "putbytes") {
    std::filesystem::path p = game().folder() / u8path(w[1]);
    std::error_code made;
    std::filesystem::create_directories(p.parent_path(), made);
    if (made) throw BadLine("cannot make the folder of " + w[1] + ": " + made.message());
    std::string bytes;
    if (cmd == "put") {
      auto converted = toCp932(w[2]);
      bytes = converted ? *converted : w[2];
    } else {
      std::string hex;
      for (size_t i = 2; i < w.size(); ++i) hex += w[i];
      hex.erase(std::remove(hex.begin(), hex.end(), ' '), hex.end());
      if (hex.size() % 2 != 0) throw BadLine("odd number of hex digits");
      for (size_t i = 0; i < hex.size(); i += 2) {
        int hi = hexDigit(hex[i]);
        int lo = hexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) throw BadLine("not a hex digit");
        bytes += static_cast<char>(hi * 16 + lo);
      }
    }
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  } else if (cmd == "remove") {
    // remove NAME: deletes a file (or an empty folder) of the program folder.
    std::error_code ec;
    if (!std::filesystem::remove(game().folder() / u8path(w[1]), ec))
      throw BadLine("cannot remove " + w[1] + (ec ? ": " + ec.message() : ": no such file"));
  } else if (cmd == "clock") {
    auto t = DateTime::parse(w[1] + " " + w[2]);
    if (!t) throw BadLine("bad date " + w[1] + " " + w[2]);
    clock_.set(*t);
  } else if (cmd == "wait") {
    clock_.advanceMs(num(1) * 1000);
  } else if (cmd == "seed") {
    random_.seed(static_cast<std::uint32_t>(num(1)));
  } else if (cmd == "random") {
    for (size_t i = 1; i < w.size(); ++i)
      random_.queued.push_back(static_cast<std::int32_t>(num(i)));
  } else if (cmd == "trace") {
    random_.trace = w[1] == "on";
  } else if (cmd == "answer") {
    for (size_t i = 1; i < w.size(); ++i) dialogs_.answers.push_back(static_cast<int>(num(i)));
  } else if (cmd == "input") {
    if (w.size() < 2) {
      dialogs_.inputs.emplace_back();
    } else {
      dialogs_.inputs.emplace_back(w[1]);
    }
  } else if (cmd == "auto") {
    dialogs_.autoMode = w[1] == "on";
  } else if (cmd == "screen") {
    windows_.screen.width = static_cast<int>(num(1));
    windows_.screen.height = static_cast<int>(num(2));
  } else if (cmd == "monitor") {
    // monitor LEFT TOP WIDTH HEIGHT: one more monitor of the desktop beside the screen.
    windows_.monitors.push_back(ScreenArea{static_cast<int>(num(1)), static_cast<int>(num(2)),
                                           static_cast<int>(num(3)), static_cast<int>(num(4))});
  } else if (cmd == "placing") {
    // placing on|off: whether the desktop puts the windows where the game moves them.
    windows_.placing = w[1] == "on";
  } else if (cmd == "session") {
    // session RESULT: what the system answers the next log-off, restart or shut-down requests.
    session_.result = static_cast<int>(num(1));
  } else if (cmd == "signal" || cmd == "displaylost") {
    // signal TERM|INT|HUP|KILL, displaylost: the program ends at once, inside whatever runs; the
    // pet is saved as it stands. The lines after it see the files it left (a later `start` is
    // a new run of the program).
    // signal KILL: the process is killed (or the power fails): nothing is saved.
    if (cmd == "signal" && w[1] != "TERM" && w[1] != "INT" && w[1] != "HUP" && w[1] != "KILL")
      throw BadLine("signal takes TERM, INT, HUP or KILL");
    auto* pet = static_cast<frmKivoMain*>(game().findForm(frmKivoMain::kName));
    const bool killed = cmd == "signal" && w[1] == "KILL";
    const bool saved = !killed && pet != nullptr && pet->endWithSession();
    out_ << (cmd == "signal" ? "signal " + w[1] : std::string("display lost")) << " -> "
         << (saved ? "saved" : "not saved") << ", exit "
         << (killed            ? 137
             : cmd == "signal" ? 0
                               : 1)
         << "\n";
    throw ProgramEnded{};
  } else if (cmd == "commitdata" || cmd == "logind") {
    // commitdata: the session manager asks the program to save its work. logind shutdown|sleep:
    // the system is about to go down or to sleep; logind wake: it woke up. The pet goes on.
    if (cmd == "logind" && w[1] != "shutdown" && w[1] != "sleep" && w[1] != "wake")
      throw BadLine("logind takes shutdown, sleep or wake");
    auto* pet = static_cast<frmKivoMain*>(game().findForm(frmKivoMain::kName));
    out_ << cmd << (cmd == "logind" ? " " + w[1] : std::string());
    if (cmd == "commitdata" || w[1] != "wake") {
      const bool saved = pet != nullptr && pet->saveWithoutAsking();
      out_ << " -> " << (saved ? "saved" : "not saved");
    }
    out_ << "\n";
  } else if (cmd == "instance") {
    instance_.running = w[1] == "running";
  } else if (cmd == "call" || cmd == "expectcall") {
    // expectcall PROCEDURE ARG... RESULT: the call, failing the run when its result differs.
    const bool expecting = cmd == "expectcall";
    std::vector<std::string> args(w.begin() + 2, expecting ? w.end() - 1 : w.end());
    const std::string& name = w[1];
    std::optional<std::string> result;
    auto dot = name.find('.');
    if (dot != std::string::npos) {
      const std::string formName = name.substr(0, dot);
      const auto* make = procedures_.findFormMaker(formName);
      Form& f = game().findForm(formName) == nullptr && make != nullptr ? (*make)(game())
                                                                        : formNamed(formName);
      const auto* p = procedures_.findIn(formName, name.substr(dot + 1));
      if (p == nullptr) throw BadLine("unknown procedure " + name);
      result = (*p)(f, args);
    } else {
      const Proc* p = procedures_.find(name);
      if (p == nullptr) throw BadLine("unknown procedure " + name);
      try {
        result = (*p)(game(), args);
      } catch (const VbError&) {
        throw BadLine("bad arguments for " + name);
      }
    }
    if (result) out_ << "call " << name << " -> " << *result << "\n";
    if (expecting && result.value_or("") != w.back()) {
      failed_ = true;
      out_ << "expect FAILED: " << name << " gave " << quoteText(result.value_or(""))
           << ", expected " << quoteText(w.back()) << "\n";
    }
  } else if (cmd == "set") {
    if (!setField(game().st, w[1], w[2])) throw BadLine("cannot set " + w[1] + " to " + w[2]);
  } else if (cmd == "get") {
    std::string value = property(w[1]);  // an unreadable name prints no half line
    out_ << "get " << w[1] << " = " << value << "\n";
  } else if (cmd == "expect") {
    std::string actual = property(w[1]);
    if (actual != w[2]) {
      failed_ = true;
      out_ << "expect FAILED: " << w[1] << " is " << quoteText(actual) << ", expected "
           << quoteText(w[2]) << "\n";
    }
  } else if (cmd == "expectfile") {
    // expectfile NAME True|False: whether a file of the program folder exists.
    std::error_code ec;
    std::string actual = std::filesystem::exists(game().file(w[1]), ec) ? "True" : "False";
    if (actual != w[2]) {
      failed_ = true;
      out_ << "expect FAILED: file " << w[1] << " exists is " << actual << ", expected " << w[2]
           << "\n";
    }
  } else if (cmd == "show") {
    std::ifstream f(game().file(w[1]), std::ios::binary);
    if (!f) {
      out_ << "show " << w[1] << ": (no such file)\n";
    } else {
      std::stringstream ss;
      ss << f.rdbuf();
      out_ << "show " << w[1] << ":\n" << fromCp932Lossy(ss.str());
      if (!ss.str().empty() && ss.str().back() != '\n') out_ << "\n";
    }
  } else if (cmd == "ls") {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(game().folder())) {
      if (!e.is_regular_file()) continue;
      auto rel = std::filesystem::relative(e.path(), game().folder()).generic_u8string();
      names.emplace_back(rel.begin(), rel.end());
    }
    std::sort(names.begin(), names.end());
    for (const auto& n : names) out_ << n << "\n";
  } else if (cmd == "start") {
    const Proc* p = procedures_.find("Main");
    if (p == nullptr) throw BadLine("start: the program's start-up is not built in");
    (*p)(game(), {});
  } else if (cmd == "tick") {
    timerTicks(formNamed("frmKivoMain"), "CountTime", num(1));
  } else if (cmd == "timer") {
    auto dot = w[1].find('.');
    if (dot == std::string::npos) throw BadLine("timer needs FORM.TIMER");
    timerTicks(formNamed(w[1].substr(0, dot)), w[1].substr(dot + 1), num(2));
  } else if (cmd == "click" || cmd == "dblclick" || cmd == "rclick") {
    auto dot = w[1].find('.');
    if (dot == std::string::npos) throw BadLine(cmd + " needs FORM.CONTROL");
    Form& f = formNamed(w[1].substr(0, dot));
    std::string c = w[1].substr(dot + 1);
    if (f.find(c) == nullptr) throw BadLine("no control " + c + " on " + f.name());
    if (cmd == "click")
      userClick(f, c);
    else if (cmd == "rclick")
      userClick(f, c, 2);
    else
      userDblClick(f, c);
  } else if (cmd == "select") {
    auto dot = w[1].find('.');
    if (dot == std::string::npos) throw BadLine("select needs FORM.CONTROL");
    Form& f = formNamed(w[1].substr(0, dot));
    std::string c = w[1].substr(dot + 1);
    Control* ctl = f.find(c);
    if (ctl == nullptr) throw BadLine("no control " + c + " on " + f.name());
    int index = -1;
    bool numeric = !w[2].empty() && std::all_of(w[2].begin(), w[2].end(), ::isdigit);
    if (numeric) {
      index = static_cast<int>(num(2));
    } else {
      auto it = std::find(ctl->items.begin(), ctl->items.end(), w[2]);
      if (it != ctl->items.end()) index = static_cast<int>(it - ctl->items.begin());
    }
    if (index < 0 || index >= static_cast<int>(ctl->items.size()))
      throw BadLine("no item " + w[2] + " in " + c);
    userSelect(f, c, index);
  } else if (cmd == "type") {
    auto dot = w[1].find('.');
    if (dot == std::string::npos) throw BadLine("type needs FORM.CONTROL");
    Form& f = formNamed(w[1].substr(0, dot));
    std::string c = w[1].substr(dot + 1);
    if (f.find(c) == nullptr) throw BadLine("no control " + c + " on " + f.name());
    userType(f, c, w[2]);
  } else if (cmd == "drop") {
    auto dot = w[1].find('.');
    if (dot == std::string::npos) throw BadLine("drop needs FORM.CONTROL");
    Form& f = formNamed(w[1].substr(0, dot));
    std::vector<std::string> files;
    for (size_t i = 2; i < w.size(); ++i) {
      std::filesystem::path p = u8path(w[i]);
      files.push_back(pathToUtf8(p.is_absolute() ? p : game().folder() / p));
    }
    userDrop(f, w[1].substr(dot + 1), files);
  } else if (cmd == "close") {
    userClose(formNamed(w[1]));
  } else if (cmd == "key") {
    userKey(formNamed(w[1]), static_cast<int>(num(2)));
  } else {
    throw BadLine("unknown command " + cmd);
  }
}

int ScenarioRunner::run(const std::string& script, const std::string& scriptName) {
  lines_.clear();
  std::stringstream ss(script);
  for (std::string line; std::getline(ss, line);) lines_.push_back(line);
  next_ = 0;
  try {
    while (next_ < lines_.size()) {
      try {
        executeNext();
      } catch (const ProgramEnded&) {
        // The process has gone: with it every window and the game; the files stay.
        game_.reset();
      }
    }
  } catch (const BadLine& e) {
    err_ << scriptName << ":" << next_ << ": " << e.what() << "\n";
    out_ << "error line " << next_ << ": " << e.what() << "\n";
    return 2;
  } catch (const ScriptFailure& e) {
    out_ << "FAILED line " << next_ << ": " << e.what() << "\n";
    return 1;
  } catch (const ScriptEnded&) {
    out_ << "FAILED: the script ended while a modal window was open\n";
    return 1;
  }
  if (!dialogs_.answers.empty() || !dialogs_.inputs.empty() || !random_.queued.empty()) {
    out_ << "FAILED: queued answers or draws were left unused (" << dialogs_.answers.size()
         << " answers, " << dialogs_.inputs.size() << " inputs, " << random_.queued.size()
         << " draws)\n";
    return 1;
  }
  return failed_ ? 1 : 0;
}

}  // namespace myu
