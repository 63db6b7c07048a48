// The death window: the pet's life rolls up the picture and fades in, then "GAME  OVER".
// Closing it writes the dead record, the titles and the stamps, makes the will file out of
// the language file and removes the save, so that the next start begins a new pet.
#pragma once

#include <cstdint>
#include <string>

#include "platform/DateTime.h"
#include "platform/Form.h"

namespace myu {

// The pet's last words for a cause of death.
std::string lastWords(const std::string& deadType, const std::string& userName);
// The will file name for a pet dying on that date, the first not present in the folder.
std::string willFileName(const std::string& folderUtf8, const std::string& petName,
                         const DateTime& death);

class frmDeaD : public Form {
 public:
  static constexpr const char* kName = "frmDeaD";
  explicit frmDeaD(Game& g);

  void Form_Load() override;
  bool Form_QueryUnload() override;
  void Timer1_Timer();  // the end timer
  void Timer2_Timer();  // the roll

  std::int16_t brightness = 0;
  std::int16_t rollTop = 0;
  bool ended = false;

 private:
  bool endOfLife();
};

}  // namespace myu
