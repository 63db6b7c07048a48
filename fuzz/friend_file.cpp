// A friend's pet file (*.kvo) and the friend's language file beside it, read by the friend
// readers and shown in the friends window: chosen from the list, dropped, chatted with,
// fought. The input is the .kvo file, the friend's language file, the own language file and a
// byte that chooses what the owner does, separated by form feeds (0x0C).
#include <algorithm>

#include "FuzzGame.h"
#include "friends/frmFriend.h"
#include "kernel/UserInput.h"
#include "persistence/mdliniFile.h"
#include "platform/IniFile.h"
#include "platform/Sjis.h"
#include "words/WordRecord.h"

using namespace myu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = fuzz::splitParts({reinterpret_cast<const char*>(data), size}, 4);
  const int actions = parts[3].empty() ? 0 : static_cast<unsigned char>(parts[3][0]);
  fuzz::FuzzGame t;
  t.healthyPet();
  t.random.reset(parts[0]);
  t.put("f/太郎.kvo", parts[0]);
  // The friend's language file, under the name its pet file gives, when that can name a file.
  const IniDocument petFile = IniDocument::parse(parts[0]);
  const std::string* raw = petFile.find("PETPROFILE", "PetName");
  std::string friendName = raw != nullptr ? fromCp932Lossy(cutSjisBytes(*raw, 254)) : "";
  if (isUsableFriendPetName(friendName)) t.put("f/" + friendName + ".dat", parts[1]);
  t.put("モフ.dat", parts[2]);
  const std::string ownBefore = parts[2];
  const std::string path = pathToUtf8(t.folder() / "f" / "太郎.kvo");

  // The readers alone never fail on what a file holds.
  FriendUser user;
  FriendPet pet;
  FriendTime time;
  FUZZ_CHECK(GetFriendProfile(t.game(), path, user), "the friend's profile cannot be read");
  FUZZ_CHECK(GetFriendPetProfile(t.game(), path, pet), "the friend's pet cannot be read");
  FUZZ_CHECK(GetFriendTime(t.game(), path, time), "the friend's clock cannot be read");

  frmFriend& f = t.game().form<frmFriend>();
  t.game().show(f);
  if (actions & 1) {
    userDrop(f, "File1", {path});
  } else {
    userType(f, "Dir1", "f");
    if (!f.File1.items.empty()) userSelect(f, "File1", 0);
  }
  t.reap();
  if (t.game().findForm("frmFriend") == &f) {
    if ((actions & 2) && f.Command2.enabled) userClick(f, "Command2");
    if ((actions & 4) && f.battleStart.enabled) userClick(f, "battleStart");
    t.reap();
  }
  if (Form* open = t.game().findForm("frmFriend")) userClose(*open);
  t.reap();

  // Nothing is ever written to the friend's files; the own words only grow by whole records,
  // up to a thousand.
  FUZZ_CHECK(t.bytes("f/太郎.kvo") == parts[0], "the friend's pet file was written");
  if (isUsableFriendPetName(friendName))
    FUZZ_CHECK(t.bytes("f/" + friendName + ".dat") == parts[1], "the friend's words were written");
  const std::string ownAfter = t.bytes("モフ.dat");
  if (ownAfter != ownBefore) {
    const std::size_t whole = ownBefore.size() / WordRecord::kLength * WordRecord::kLength;
    FUZZ_CHECK(ownAfter.compare(0, whole, ownBefore, 0, whole) == 0, "known words were changed");
    FUZZ_CHECK(ownAfter.size() % WordRecord::kLength == 0, "a word was added in part");
    FUZZ_CHECK(ownAfter.size() <= std::max<std::size_t>(whole, 1000 * WordRecord::kLength),
               "more than a thousand words");
  }
  return 0;
}
