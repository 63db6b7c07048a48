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
  // The session ends during the funeral: the end of the pet's life is written as closing the
  // window writes it (the dead record, the titles, the stamps, the will, the save removed),
  // without the farewell box and without an error box. A dead pet stays dead.
  void endWithSession();

  std::int16_t brightness = 0;
  std::int16_t rollTop = 0;
  bool ended = false;

  Control& Picture1 = add(Kind::Picture, "Picture1");
  // The lines of the pet's life, rolling up the picture; Label1 ends as "GAME  OVER".
  Control& Label1 = add(Kind::Label, "Label1", Picture1);
  Control& Label2 = add(Kind::Label, "Label2", Picture1);
  Control& Label3 = add(Kind::Label, "Label3", Picture1);
  Control& Label4 = add(Kind::Label, "Label4", Picture1);
  const ControlArray lines{{}, {&Label1, &Label2, &Label3, &Label4}, 1};  // indexed 1 .. 4
  Timer& Timer1 = addTimer("Timer1", 3000, [this] { Timer1_Timer(); });
  Timer& Timer2 = addTimer("Timer2", 300, [this] { Timer2_Timer(); });

 private:
  // farewell: the closing box and the pet window's close, which a session's end goes without.
  bool endOfLife(bool farewell = true);
  bool lifeWritten_ = false;  // the end-of-life steps have run
};

}  // namespace myu
