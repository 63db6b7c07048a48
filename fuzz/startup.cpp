// A whole start: the entry procedure on a program folder holding user.ini, title.ini, dead.ini
// and the pet's language file, then the game clock's ticks, then the pet window closed. The
// input is the four files, separated by form feeds (0x0C), and after a fifth form feed the
// count of ticks and the random draws.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzGame.h"
#include "kernel/UserInput.h"
#include "kernel/mdlMain.h"
#include "petwindow/frmKivoMain.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/Sjis.h"

using namespace myu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzz::splitParts({reinterpret_cast<const char*>(data), size}, 5);
  FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(parts[4].data()), parts[4].size());
  const auto ticks = in.ConsumeIntegralInRange<int>(0, 400);
  const std::string draws = in.ConsumeRemainingBytesAsString();
  fuzz::FuzzGame t;
  t.random.reset(draws);
  t.put("user.ini", parts[0]);
  t.put("title.ini", parts[1]);
  t.put("dead.ini", parts[2]);
  const IniDocument petFile = IniDocument::parse(parts[0]);
  const std::string* raw = petFile.find("PETPROFILE", "PetName");
  const std::string petName = raw != nullptr ? fromCp932Lossy(cutSjisBytes(*raw, 254)) : "";
  if (isSafeFileName(petName + ".dat")) t.put(petName + ".dat", parts[3]);

  Game& g = t.game();
  ++g.eventDepth;  // as a host runs the start: windows closed inside it are kept until it ends
  Main(g);
  --g.eventDepth;
  t.reap();

  for (int i = 0; i < ticks; ++i) {
    Form* main = g.findForm(frmKivoMain::kName);
    if (main == nullptr || !main->shown) break;
    Form::Timer* clock = main->timer("CountTime");
    if (clock == nullptr || !clock->enabled) break;
    t.clock.advanceMs(clock->interval);
    userTimer(*main, "CountTime");
    t.reap();
  }
  if (Form* main = g.findForm(frmKivoMain::kName)) userClose(*main);
  t.reap();
  for (Form* open : g.openForms()) {
    userClose(*open);
    t.reap();
  }
  FUZZ_CHECK(!t.exists("user.ini.tmp") && !t.exists("title.ini.tmp") && !t.exists("dead.ini.tmp"),
             "a temporary file is left");
  return 0;
}
