// How a message-box style (button set + icon + default-button flag) becomes a dialog:
// the buttons in order with their Japanese captions and answer codes, the default and the
// escape button, and the icon. Plain data so that tests check the mapping directly.
#pragma once

#include <string>
#include <vector>

namespace myu::ui {

struct MsgBoxButton {
  std::string caption;
  int answer = 0;
};

struct MsgBoxLayout {
  std::vector<MsgBoxButton> buttons;
  int defaultIndex = 0;  // the button that Enter presses
  int escapeAnswer = 0;  // the answer when the box is closed without a button
  int icon = 0;          // 0 none, 16 critical, 32 question, 48 exclamation, 64 information
};

MsgBoxLayout msgBoxLayout(int style);

// CR LF and a lone CR become LF, the line break the dialogs show.
std::string normaliseLineBreaks(const std::string& text);

}  // namespace myu::ui
