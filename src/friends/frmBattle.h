// The battle window: the own pet against a friend's pet (or a stranger), step by step on a
// timer, with blows and battles of words. Modal; the own pet's losses are real.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Form.h"

namespace myu {

// The opponent as the battle starts with it.
struct BattleFoe {
  std::int32_t maxHp = 30, hp = 30, maxMp = 30, mp = 30;
  std::string name;
  std::int32_t defense = 0, power = 0;
  std::int32_t wordCount = 0;  // non-zero: the opponent answers in battles of words
  std::int16_t relation = 2;   // 0 same personality .. 4 opposite
  std::string langPath;        // the opponent's language file
  std::string model;           // its species
  std::int32_t speed = 0;      // 0 when the caller knows none
};

// The timer interval of a choice of the speed list "戦闘スピード".
int battleInterval(const std::string& speedChoice);

class frmBattle : public Form {
 public:
  static constexpr const char* kName = "frmBattle";
  explicit frmBattle(Game& g);

  bool Form_QueryUnload() override;

  // Sets up the battle, shows the window modally and returns true once it has closed.
  bool Battle_INI(const BattleFoe& foe);
  void Timer1_Timer();
  void KaoImg_Timer_Timer();
  void Command1_Click();
  bool BtHantei();
  void RemoveLine();
  bool print_BT_Status();
  bool DoBattle();
  bool Battle1();
  bool AttackU();
  bool AttackF();
  bool Battle2(std::int32_t kind);

  // Battle state.
  std::int32_t friendMaxHp = 0, friendHp = 0, friendMaxMp = 0, friendMp = 0, friendPower = 0,
               friendDefense = 0, friendSpeed = 0, friendWordCount = 0;
  std::string friendName, friendModel, friendLangPath, friendPrefix = "Oth";
  std::int16_t petRelation = 0;
  bool battleWon = false, battleLost = false, ownTurn = true;

  // A bar of one side: its caption, the full length in blue, the value in red over it, and
  // the number (UHPcap, UHPblu, UHPred, UHP).
  struct Bar {
    Control& cap;
    Control& blu;
    Control& red;
    Control& number;
  };
  // One side of the fight: the pet's name (UName, FName), its picture and its two bars.
  struct Side {
    Control& name;
    Control& picture;
    Bar hp;
    Bar mp;
  };

 private:
  static constexpr int kFirstTick = 1900;  // ms before the first step
  // Adds the controls of a side ("U" the own pet, "F" the opponent) with picture PicIMG(index).
  Side addSide(const std::string& side, int index);

 public:
  Side U = addSide("U", 0);
  Side F = addSide("F", 1);
  ControlArray PicIMG{"PicIMG", {&U.picture, &F.picture}};  // the two pets, blinking
  // Hidden: the two pictures of the own pet's pose (0, 1) and of the opponent's (2, 3).
  ControlArray ImgKao = addArray(Kind::Image, "ImgKao", 4);
  Control& Label1 = add(Kind::Label, "Label1");
  Control& Combo1 = add(Kind::Combo, "Combo1");       // the speed
  Control& Command1 = add(Kind::Button, "Command1");  // run away
  Control& List1 = add(Kind::List, "List1");          // the last lines of the fight
  Timer& Timer1 = addTimer("Timer1", kFirstTick, [this] { Timer1_Timer(); });  // the steps
  Timer& KaoImg_Timer = addTimer("KaoImg_Timer", 1000, [this] { KaoImg_Timer_Timer(); });

 private:
  void layOut();
  void wireEvents();
  void log(const std::string& line);
  void ownPicture(std::int32_t pose);
  void friendPicture(std::int32_t pose);
  void drawBar(const Bar& bar, std::int32_t value, std::int32_t whole);
};

}  // namespace myu
