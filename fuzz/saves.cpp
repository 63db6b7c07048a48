// user.ini, title.ini and dead.ini: the start-up load, the full save and the dead pets.
// The input is the three files, separated by form feeds (0x0C).
#include "FuzzGame.h"
#include "persistence/mdliniFile.h"
#include "platform/Sjis.h"

using namespace myu;

namespace {

struct Loaded {
  bool ok = false;
  bool stampHolds = false;
  std::int16_t menuType = 0;
};

Loaded load(Game& g) {
  Loaded l;
  l.ok = GetUserProfile(g) && GetState(g) && GetCount(g, l.menuType) && GetRoyalTitle(g);
  l.stampHolds = ChackProfile(g);
  return l;
}

// A text that the file keeps as it is: it fits code page 932 and the 254 bytes a read takes,
// and holds no line break (a lone CR inside a value is read, but a write makes it a blank).
bool keptAsIs(const std::string& s) {
  auto b = toCp932(s);
  return b && b->size() <= 254 && s.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzz::splitParts({reinterpret_cast<const char*>(data), size}, 3);
  fuzz::FuzzGame t;
  t.put("user.ini", parts[0]);
  t.put("title.ini", parts[1]);
  t.put("dead.ini", parts[2]);

  // The dead pets listed, as the hall of fame reads them.
  std::int32_t firstFree = 1;
  for (; firstFree <= 64; ++firstFree) {
    DeadPetRecord r;
    FUZZ_CHECK(GetDeadPet(t.game(), firstFree, r) == 1, "a dead pet cannot be read");
    if (r.userName == "Error") break;
  }

  Loaded first = load(t.game());
  if (!first.ok) return 0;
  std::int16_t menuType = first.menuType;
  if (!fSave_UserData(t.game(), menuType)) return 0;
  FUZZ_CHECK(!t.exists("user.ini.tmp") && !t.exists("title.ini.tmp"), "a temporary file is left");
  const std::string user1 = t.bytes("user.ini"), title1 = t.bytes("title.ini");
  const GameState saved = t.st();

  // What the game saved loads again, with a stamp that holds, and saves as the same bytes.
  t.restart();
  Loaded second = load(t.game());
  FUZZ_CHECK(second.ok, "a save of the game does not load");
  FUZZ_CHECK(second.stampHolds, "a save of the game fails its own stamp");
  FUZZ_CHECK(t.st().hp == saved.hp && t.st().maxHp == saved.maxHp &&
                 t.st().manpuku == saved.manpuku && t.st().titleFlags == saved.titleFlags,
             "values changed through a save");
  if (keptAsIs(saved.petName))
    FUZZ_CHECK(t.st().petName == saved.petName, "the pet's name changed through a save");
  menuType = second.menuType;
  FUZZ_CHECK(fSave_UserData(t.game(), menuType), "a loaded save cannot be saved again");
  // The saves settle: a value that a read and a write both clean (a CR left before a NUL is
  // kept by the read, made a blank by the write and trimmed by the next read) may take one
  // more round, never more.
  const std::string user2 = t.bytes("user.ini"), title2 = t.bytes("title.ini");
  FUZZ_CHECK(title2 == title1, "title.ini changes on a second save");
  if (user2 != user1) {
    t.restart();
    Loaded third = load(t.game());
    FUZZ_CHECK(third.ok && third.stampHolds, "a second save does not load whole");
    menuType = third.menuType;
    FUZZ_CHECK(fSave_UserData(t.game(), menuType), "a second save cannot be saved again");
    FUZZ_CHECK(t.bytes("user.ini") == user2, "user.ini changes on every save");
  }

  // The pet's death record goes after the last one and reads back.
  if (firstFree <= 64 && WriteDeadPet(t.game())) {
    DeadPetRecord r;
    FUZZ_CHECK(GetDeadPet(t.game(), firstFree, r) == 1, "the new dead pet cannot be read");
    if (keptAsIs(t.st().petName) && keptAsIs(t.st().userName) && t.st().userName != "Error" &&
        !t.st().userName.empty())
      FUZZ_CHECK(r.petNAME == t.st().petName && r.userName == t.st().userName,
                 "the dead pet reads back as another");
  }
  return 0;
}
