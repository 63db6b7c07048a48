// What an owner's action does to a control before its event runs. The Qt views and the
// scenario runner both go through these, so a click means the same thing in both.
#pragma once

#include <string>
#include <vector>

#include "platform/Form.h"

namespace myu {

// A check box toggles; an option button becomes the one chosen of its frame; then Click.
void userClick(Form& form, const std::string& control, int button = 1);
void userDblClick(Form& form, const std::string& control);
// Chooses item index of a list or combo box (the combo's text follows), then Click.
void userSelect(Form& form, const std::string& control, int index);
// Sets a text box's (or combo's) text, then Change.
void userType(Form& form, const std::string& control, const std::string& text);
void userDrop(Form& form, const std::string& control, const std::vector<std::string>& files);
void userKey(Form& form, int key);
// The window's close box. False when the form refused to close.
bool userClose(Form& form);
// One tick of a form's timer (if enabled and not already running).
bool userTimer(Form& form, const std::string& timer);

}  // namespace myu
