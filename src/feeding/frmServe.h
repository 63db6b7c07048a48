// The feeding window "御賞味あれ。": browsing to a food file, serving and cooking dishes,
// and the potion and poison buttons. Opened modally from the pet window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "feeding/FoodRecord.h"
#include "kernel/FileBrowser.h"
#include "platform/Form.h"
#include "platform/RecordFile.h"

namespace myu {

class frmServe : public Form {
 public:
  static constexpr const char* kName = "frmServe";
  static constexpr const char* kPattern = "*.krp";
  explicit frmServe(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;

  // Opens the chosen food file for records of 56 bytes and sets nextRecord. False after a
  // reported failure (no file chosen, the file gone, not a file).
  bool OPENDAT2();
  void closeFood() { food_.close(); }
  // 1 serve, 0 refuse: the check against dishes made of birds.
  std::int16_t BeforeEat();
  // 1 when the window should close: reactions to special dishes.
  std::int16_t AfterEat();
  void RYOURI();
  void SPEND_ITEM();

  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void File1_OLEDragDrop(const EventArgs& e);
  void List1_Click();

  // Which potion and poison buttons are usable, decided once per opening.
  void setUpMedicines();
  void potionClick(int n);
  void poisonClick(int n);

  // Working fields.
  std::int32_t nextRecord = 0;
  FoodRecord buffer;
  std::filesystem::path foodPath;  // the food file last opened

 private:
  std::pair<ControlArray, ControlArray> addMedicineButtons();

 public:
  Control& Frame1 = add(Kind::Frame, "Frame1");  // the food
  Control& Drive1 = add(Kind::DriveList, "Drive1", Frame1);
  Control& Dir1 = add(Kind::DirList, "Dir1", Frame1);
  Control& File1 = add(Kind::FileList, "File1", Frame1);
  Control& Frame3 = add(Kind::Frame, "Frame3", Frame1);  // the dishes of the file chosen
  Control& List1 = add(Kind::List, "List1", Frame3);
  Control& Label1 = add(Kind::Label, "Label1", Frame3);
  Control& Text1 = add(Kind::TextBox, "Text1", Frame3);  // how many are left
  Control& Label2 = add(Kind::Label, "Label2", Frame3);
  Control& Text2 = add(Kind::TextBox, "Text2", Frame3);  // how filling it is
  Control& Command1 = add(Kind::Button, "Command1", Frame3);
  Control& Command5 = add(Kind::Button, "Command5", Frame3);
  Control& Frame2 = add(Kind::Frame, "Frame2");  // the medicines
  Control& potionFR = add(Kind::Frame, "potionFR", Frame2);
  Control& poisonFR = add(Kind::Frame, "poisonFR", Frame2);
  // potion1 .. potion10 and poison1 .. poison10, made in pairs and indexed 1 .. 10.
  std::pair<ControlArray, ControlArray> medicineButtons_ = addMedicineButtons();
  const ControlArray& potion = medicineButtons_.first;
  const ControlArray& poison = medicineButtons_.second;
  Control& cancelbtn = add(Kind::Button, "cancelbtn");

 private:
  void layOut();
  void wireEvents();
  std::filesystem::path chosenFile();
  std::string fileName();
  // False, after a message, when the chosen food file cannot be written.
  bool canWriteFood();
  void closeWindow();

  void potion1();
  void potion2();
  void potion3();
  void potion4();
  void potion5();
  void potion6();
  void potion7();
  void potion8();
  void potion9();
  void potion10();
  void poison1();
  void poison2();
  void poison3();
  void poison4();
  void poison5();
  void poison6();
  void poison7();
  void poison8();
  void poison9();
  void poison10();

  FileBrowser browser_;
  RecordFile food_;
  std::map<std::string, std::string> hiddenCaptions_;  // captions shown once available
};

}  // namespace myu
