#include "kernel/Game.h"

#include <algorithm>

namespace myu {

std::filesystem::path u8path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& p) {
  auto s = p.u8string();
  return std::string(s.begin(), s.end());
}

Game::Game(std::filesystem::path programFolder, Services services)
    : folder_(programFolder), dataFolder_(std::move(programFolder)), services_(services) {}

Game::Game(ProgramFolders folders, Services services)
    : folder_(std::move(folders.pet)), dataFolder_(std::move(folders.data)), services_(services) {}

Game::~Game() = default;

std::filesystem::path Game::file(const std::string& name) const {
  return folder_ / u8path(name);
}

std::filesystem::path Game::dataFile(const std::string& name) const {
  return dataFolder_ / u8path(name);
}

int Game::MsgBox(const std::string& prompt, int style, const std::string& title) {
  return services_.dialogs->msgBox(prompt, style, title);
}

std::string Game::InputBox(const std::string& prompt, const std::string& title,
                           const std::string& defaultText) {
  return services_.dialogs->inputBox(prompt, title, defaultText);
}

Form* Game::findForm(const std::string& name) {
  for (auto& f : forms_)
    if (f->name() == name && !f->closed) return f.get();
  return nullptr;
}

std::vector<Form*> Game::openForms() {
  std::vector<Form*> out;
  for (auto& f : forms_)
    if (!f->closed) out.push_back(f.get());
  return out;
}

void Game::load(Form& f) {
  if (f.loaded) return;
  f.loaded = true;
  f.Form_Load();
}

void Game::show(Form& f, bool modal) {
  load(f);
  if (f.closed) return;  // the load itself closed it
  f.shown = true;
  f.modal = modal;
  f.me().visible = true;
  services_.windows->formShown(f, modal);
  f.Form_Activate();
  if (modal && !f.closed) services_.windows->runModal(f);
}

void Game::hide(Form& f) {
  f.shown = false;
  f.me().visible = false;
  services_.windows->formHidden(f);
}

bool Game::unload(Form& f) {
  if (f.closed) return true;
  if (f.loaded && f.Form_QueryUnload()) return false;
  f.closed = true;
  f.shown = false;
  f.me().visible = false;
  for (auto* t : f.timers()) t->enabled = false;
  if (f.loaded) f.Form_Unload();
  services_.windows->formClosed(f);
  auto it = std::find_if(forms_.begin(), forms_.end(), [&f](auto& p) { return p.get() == &f; });
  if (it != forms_.end()) {
    closed_.push_back(std::move(*it));
    forms_.erase(it);
  }
  return true;
}

void Game::reapClosedForms() {
  closed_.clear();
}

}  // namespace myu
