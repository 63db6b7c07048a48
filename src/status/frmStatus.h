// The status window: the profile, every status value, the personality chart, the alcohol and
// drug ranks, and the buttons to the hall of fame, the word review, the titles and the copy
// of the pet for a friend. Not modal; the pet window hides while it is open.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/Form.h"

namespace myu {

// Rank texts for alcohol and junk levels 1..10 (above 10: rank 10; 0 or less: empty).
std::string alcoholRankText(std::int32_t alcohol);
std::string junkRankText(std::int32_t junk);

// The personality chart in a square box of height boxHeight twips. Points run clockwise from
// the top (otaku up, sukebe up-right, … namakemono up-left); x grows right, y down.
using ChartPoints = std::vector<std::pair<int, int>>;
ChartPoints radarValuePoints(int boxHeight, const std::array<std::int16_t, 8>& counters);
ChartPoints radarOutlinePoints(int boxHeight);

// petVer as "#0.0##": 1.5 -> "1.5", 2 -> "2.0", 1.51 -> "1.51".
std::string formatVersion(float version);

class frmStatus : public Form {
 public:
  static constexpr const char* kName = "frmStatus";
  explicit frmStatus(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;

  void writeStatusForm();
  void WritefldAlcohol();
  void WritefldJunk();
  void visibleBtnHantei();
  void TitleHantei();
  void exPolygon();

  void Command1_Click();
  void Command2_Click();
  void select1btn_Click();
  void deadpetBtn_Click();
  void CopyCopy_Click();
  void fldRoyaltitle_Click();
  void mail_Change();

  std::int32_t wordCount() const { return wordCount_; }

  Control& KAO_Pic = add(Kind::Picture, "KAO_Pic");  // the pet
  // The values, each after its caption label: the pet's on the left, the owner's and the
  // personality counters on the right.
  Control& lbl_petname = add(Kind::Label, "lbl_petname");
  Control& petname = add(Kind::Label, "petname");
  Control& lbl_fldpettype = add(Kind::Label, "lbl_fldpettype");
  Control& fldpettype = add(Kind::Label, "fldpettype");
  Control& lbl_modeltype = add(Kind::Label, "lbl_modeltype");
  Control& modeltype = add(Kind::Label, "modeltype");
  Control& lbl_ver = add(Kind::Label, "lbl_ver");
  Control& ver = add(Kind::Label, "ver");
  Control& lbl_hp = add(Kind::Label, "lbl_hp");
  Control& hp = add(Kind::Label, "hp");
  Control& lbl_maxhp = add(Kind::Label, "lbl_maxhp");
  Control& maxhp = add(Kind::Label, "maxhp");
  Control& lbl_mp = add(Kind::Label, "lbl_mp");
  Control& mp = add(Kind::Label, "mp");
  Control& lbl_maxmp = add(Kind::Label, "lbl_maxmp");
  Control& maxmp = add(Kind::Label, "maxmp");
  Control& lbl_power = add(Kind::Label, "lbl_power");
  Control& power = add(Kind::Label, "power");
  Control& lbl_defense = add(Kind::Label, "lbl_defense");
  Control& defense = add(Kind::Label, "defense");
  Control& lbl_speed = add(Kind::Label, "lbl_speed");
  Control& speed = add(Kind::Label, "speed");
  Control& lbl_luck = add(Kind::Label, "lbl_luck");
  Control& luck = add(Kind::Label, "luck");
  Control& lbl_condition = add(Kind::Label, "lbl_condition");
  Control& condition = add(Kind::Label, "condition");
  Control& lbl_happy = add(Kind::Label, "lbl_happy");
  Control& happy = add(Kind::Label, "happy");
  Control& lbl_manpuku = add(Kind::Label, "lbl_manpuku");
  Control& manpuku = add(Kind::Label, "manpuku");
  Control& lbl_lastrecnum = add(Kind::Label, "lbl_lastrecnum");
  Control& lastrecnum = add(Kind::Label, "lastrecnum");
  Control& lbl_intel = add(Kind::Label, "lbl_intel");
  Control& intel = add(Kind::Label, "intel");
  Control& lbl_totalday = add(Kind::Label, "lbl_totalday");
  Control& totalday = add(Kind::Label, "totalday");
  Control& lbl_uname = add(Kind::Label, "lbl_uname");
  Control& uname = add(Kind::Label, "uname");
  Control& lbl_sex = add(Kind::Label, "lbl_sex");
  Control& sex = add(Kind::Label, "sex");
  Control& lbl_age = add(Kind::Label, "lbl_age");
  Control& age = add(Kind::Label, "age");
  Control& lbl_utype = add(Kind::Label, "lbl_utype");
  Control& utype = add(Kind::Label, "utype");
  Control& lbl_fldTYPEo = add(Kind::Label, "lbl_fldTYPEo");
  Control& fldTYPEo = add(Kind::Label, "fldTYPEo");
  Control& lbl_fldTYPEs = add(Kind::Label, "lbl_fldTYPEs");
  Control& fldTYPEs = add(Kind::Label, "fldTYPEs");
  Control& lbl_fldTYPEu = add(Kind::Label, "lbl_fldTYPEu");
  Control& fldTYPEu = add(Kind::Label, "fldTYPEu");
  Control& lbl_fldTYPEy = add(Kind::Label, "lbl_fldTYPEy");
  Control& fldTYPEy = add(Kind::Label, "fldTYPEy");
  Control& lbl_fldTYPEw = add(Kind::Label, "lbl_fldTYPEw");
  Control& fldTYPEw = add(Kind::Label, "fldTYPEw");
  Control& lbl_fldTYPEm = add(Kind::Label, "lbl_fldTYPEm");
  Control& fldTYPEm = add(Kind::Label, "fldTYPEm");
  Control& lbl_fldTYPEa = add(Kind::Label, "lbl_fldTYPEa");
  Control& fldTYPEa = add(Kind::Label, "fldTYPEa");
  Control& lbl_fldTYPEn = add(Kind::Label, "lbl_fldTYPEn");
  Control& fldTYPEn = add(Kind::Label, "fldTYPEn");
  Control& lbl_mail = add(Kind::Label, "lbl_mail");
  Control& mail = add(Kind::TextBox, "mail");
  Control& fldALCOHOL = add(Kind::Frame, "fldALCOHOL");
  Control& aLco = add(Kind::Label, "aLco", fldALCOHOL);  // the alcohol rank
  Control& fldJUNK = add(Kind::Frame, "fldJUNK");
  Control& fld_junkRANK = add(Kind::Label, "fld_junkRANK", fldJUNK);  // the drug rank
  Control& Picture1 = add(Kind::Chart, "Picture1");                   // the personality chart
  Control& Command1 = add(Kind::Button, "Command1");
  Control& select1btn = add(Kind::Button, "select1btn");
  Control& deadpetBtn = add(Kind::Button, "deadpetBtn");
  Control& Command2 = add(Kind::Button, "Command2");
  Control& CopyCopy = add(Kind::Button, "CopyCopy");
  Control& fldRoyaltitle = add(Kind::Button, "fldRoyaltitle");

 private:
  std::int64_t daysSinceBirth();
  std::int32_t wordCount_ = 0;
};

}  // namespace myu
