#include "testsupport/Scripted.h"

#include <cstdio>
#include <filesystem>

#include "kernel/Game.h"
#include "platform/Form.h"
#include "platform/Screens.h"

namespace myu {

std::string quoteText(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

namespace {
// The default button of a style: 256 makes the second button the default.
int defaultAnswer(int style) {
  int buttons = style & 7;
  bool second = (style & mb::kDefaultButton2) != 0;
  switch (buttons) {
    case mb::kOkCancel:
      return second ? mb::kCancel : mb::kOk;
    case mb::kYesNoCancel:
    case mb::kYesNo:
      return second ? mb::kNo : mb::kYes;
    case mb::kCancelTryContinue:
      return second ? mb::kTryAgain : mb::kCancel;
    default:
      return mb::kOk;
  }
}
}  // namespace

int ScriptedDialogs::msgBox(const std::string& prompt, int style, const std::string& title) {
  if (onBox) onBox(prompt);
  out_ << "msgbox style=" << style << " title=" << quoteText(title)
       << " text=" << quoteText(prompt);
  int answer = 0;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  } else if (autoMode) {
    answer = defaultAnswer(style);
  } else {
    out_ << " -> (no answer queued)\n";
    throw ScriptFailure("a message box came with no answer queued");
  }
  out_ << " -> " << answer << "\n";
  return answer;
}

std::string ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
  if (onBox) onBox(prompt);
  out_ << "input title=" << quoteText(title) << " prompt=" << quoteText(prompt)
       << " default=" << quoteText(defaultText);
  std::string answer;
  if (!inputs.empty()) {
    answer = inputs.front().value_or("");
    inputs.pop_front();
  } else if (!autoMode) {
    out_ << " -> (no answer queued)\n";
    throw ScriptFailure("an input box came with no answer queued");
  }
  out_ << " -> " << quoteText(answer) << "\n";
  return answer;
}

std::int32_t ScriptedRandom::between(std::int32_t lo, std::int32_t hi) {
  std::int32_t value = 0;
  if (!queued.empty()) {
    value = queued.front();
    queued.pop_front();
    if (value < std::min(lo, hi) || value > std::max(lo, hi)) {
      out_ << "random " << lo << ".." << hi << " -> " << value << " (outside the bounds)\n";
      throw ScriptFailure("a queued random value lies outside the bounds asked for");
    }
  } else {
    // The platform's rule: Int(r × (hi − lo + 1) + lo) with r uniform in [0, 1).
    double r = std::generate_canonical<double, 32>(engine_);
    double v = r * (static_cast<double>(hi) - lo + 1) + lo;
    auto wide = static_cast<std::int64_t>(v);
    if (static_cast<double>(wide) > v) --wide;
    value = static_cast<std::int32_t>(wide);
  }
  if (trace) out_ << "random " << lo << ".." << hi << " -> " << value << "\n";
  return value;
}

int ScriptedShell::open(const std::string& path, const std::string& workingDirectory) {
  (void)workingDirectory;
  std::error_code ec;
  int result = std::filesystem::exists(u8path(path), ec) ? 42 : 2;
  out_ << "shell open " << quoteText(path) << " -> " << result << "\n";
  return result;
}

std::string ScriptedShell::desktopFolder() {
  return desktop_;
}

int ScriptedSession::request(Request what) {
  const char* name = "logoff";
  switch (what) {
    case Request::LogOff:
      name = "logoff";
      break;
    case Request::Reboot:
      name = "reboot";
      break;
    case Request::Shutdown:
      name = "shutdown";
      break;
    case Request::ForceLogOff:
      name = "force";
      break;
  }
  out_ << "session " << name << " -> " << result << "\n";
  return result;
}

void ScriptedWindowHost::formShown(Form& form, bool modal) {
  out_ << "open " << form.name() << (modal ? " modal" : "") << "\n";
}

void ScriptedWindowHost::formHidden(Form& form) {
  out_ << "hide " << form.name() << "\n";
}

void ScriptedWindowHost::formClosed(Form& form) {
  out_ << "close " << form.name() << "\n";
}

void ScriptedWindowHost::runModal(Form& form) {
  if (pump) pump(form);
}

ScreenArea ScriptedWindowHost::screenOf(const Form& form) {
  const Control& me = form.me();
  return monitorOf(screens(), me.left, me.top, me.width, me.height);
}

std::vector<ScreenArea> ScriptedWindowHost::screens() {
  std::vector<ScreenArea> all{screen};
  all.insert(all.end(), monitors.begin(), monitors.end());
  return all;
}

bool ScriptedWindowHost::placesWindow(const Form&) {
  return placing;
}

void ScriptedWindowHost::setOnTop(Form&, bool) {}

void ScriptedWindowHost::sleep(int milliseconds) {
  if (clock != nullptr) clock->advanceMs(milliseconds);
}

ScriptedServices::ScriptedServices(std::ostream& out)
    : dialogs(out), random(out), session(out), windows(out), out_(out) {
  windows.clock = &clock;
}

Services ScriptedServices::forFolder(const std::filesystem::path& folder) {
  shell = std::make_unique<ScriptedShell>(out_, pathToUtf8(folder / "Desktop"));
  return Services{&dialogs, &clock, &random, shell.get(), &session, &windows, &instance};
}

}  // namespace myu
