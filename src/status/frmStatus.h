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

 private:
  std::int64_t daysSinceBirth();
  std::int32_t wordCount_ = 0;
};

}  // namespace myu
