// The meaning window (a category for the word being taught) and the word-list editor.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Form.h"

namespace myu {

// The stored meaning of category k (1..12) for an owner of that name; "" outside 1..12.
std::string meaningOfChoice(int k, const std::string& userName);

// Twelve options OptionL(1) .. OptionL(12) in the frame Frame1 and the button Command1
// ("Ｏ Ｋ"). Closes only once a choice is confirmed; the choice goes to onChosen.
class frmLangMean : public Form {
 public:
  static constexpr const char* kName = "frmLangMean";
  explicit frmLangMean(Game& g);
  void Form_Load() override;
  bool Form_QueryUnload() override;

  std::function<void(const std::string&)> onChosen;

  Control& Frame1 = add(Kind::Frame, "Frame1");
  ControlArray OptionL = addArray(Kind::Option, "OptionL", 12, Frame1, 1);
  Control& Command1 = add(Kind::Button, "Command1");
};

// The word list: the grid msgLangList (cells: a header row, then one row per record: word,
// meaning; items: the words, so that item i is grid row i + 1), the text boxes txtLang(0)
// (word) and txtLang(1) (meaning), the buttons cmdExcute(0) "覚えなおす", cmdExcute(1)
// "忘れちまう", cmdExcute(2) "終了".
class frmLangEdit : public Form {
 public:
  static constexpr const char* kName = "frmLangEdit";
  explicit frmLangEdit(Game& g);
  void Form_Load() override;
  void Form_Unload() override;

  std::int32_t langCount = 0;

  std::int32_t OpenDat();
  void ShowLangList();
  void SaveLangEdit();
  void Forget();
  // The selected grid row (1-based), 0 for none.
  int selectedRow();
  void selectRow(int row);

  Control& msgLangList = add(Kind::Grid, "msgLangList");
  ControlArray txtLang = addArray(Kind::TextBox, "txtLang", 2);
  ControlArray cmdExcute = addArray(Kind::Button, "cmdExcute", 3);
};

}  // namespace myu
