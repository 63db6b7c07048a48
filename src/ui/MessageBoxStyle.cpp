#include "ui/MessageBoxStyle.h"

#include "platform/Platform.h"

namespace myu::ui {

MsgBoxLayout msgBoxLayout(int style) {
  const MsgBoxButton ok{"OK", mb::kOk}, cancel{"キャンセル", mb::kCancel}, yes{"はい", mb::kYes},
      no{"いいえ", mb::kNo}, retry{"再試行", mb::kTryAgain}, cont{"続行", mb::kContinue};
  MsgBoxLayout out;
  switch (style & 0x0F) {
    case mb::kOkCancel:
      out.buttons = {ok, cancel};
      out.escapeAnswer = mb::kCancel;
      break;
    case mb::kYesNoCancel:
      out.buttons = {yes, no, cancel};
      out.escapeAnswer = mb::kCancel;
      break;
    case mb::kYesNo:
      out.buttons = {yes, no};
      out.escapeAnswer = mb::kNo;
      break;
    case mb::kCancelTryContinue:
      out.buttons = {cancel, retry, cont};
      out.escapeAnswer = mb::kCancel;
      break;
    default:  // 0 and any set the game never uses: a plain OK box
      out.buttons = {ok};
      out.escapeAnswer = mb::kOk;
      break;
  }
  const int defaultFlag = style & 0xF00;
  if (defaultFlag == 0x100 && out.buttons.size() >= 2) out.defaultIndex = 1;
  if (defaultFlag == 0x200 && out.buttons.size() >= 3) out.defaultIndex = 2;
  switch (style & 0xF0) {
    case mb::kCritical:
    case mb::kQuestion:
    case mb::kExclamation:
    case mb::kInformation:
      out.icon = style & 0xF0;
      break;
    default:
      out.icon = 0;
  }
  return out;
}

std::string normaliseLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace myu::ui
