// A food file (*.krp, 56-byte dishes) dropped onto the feeding window or chosen from its list,
// its dishes listed and one served or cooked. The input is the file; after its last form feed
// (0x0C) come the file's name, how it comes in, the dish, what the owner does and the name of
// a dish cooked.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>

#include "FuzzGame.h"
#include "feeding/FoodRecord.h"
#include "feeding/frmServe.h"
#include "kernel/UserInput.h"

using namespace myu;

namespace {
constexpr std::array<const char*, 4> kNames = {"a.krp", "箱/ごはん.krp", "B.KRP", "memo.txt"};
constexpr std::size_t kLen = FoodRecord::kLength;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzz::splitSteering({reinterpret_cast<const char*>(data), size});
  FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(input.steering.data()),
                        input.steering.size());
  const auto name = kNames[in.ConsumeIntegralInRange<std::size_t>(0, kNames.size() - 1)];
  const bool drop = in.ConsumeBool();
  const auto dish = in.ConsumeIntegralInRange<int>(0, 40);
  const auto action = in.ConsumeIntegralInRange<int>(0, 2);
  const std::string cooked = in.ConsumeRandomLengthString(60);
  const std::string& file = input.file;
  fuzz::FuzzGame t;
  t.healthyPet();
  t.random.reset(cooked);
  t.put(name, file);

  // The window is driven while it is open: its modal show returns at once here.
  t.windows.pump = nullptr;
  frmServe& f = t.game().form<frmServe>();
  t.game().show(f, true);
  if (drop) {
    userDrop(f, "File1", {pathToUtf8(t.folder() / u8path(name))});
  } else {
    const std::string folder = std::string(name).find('/') != std::string::npos ? "箱" : "";
    if (!folder.empty()) userType(f, "Dir1", pathToUtf8(t.folder() / u8path(folder)));
    const auto& items = f.File1.items;
    for (std::size_t i = 0; i < items.size(); ++i)
      if (std::string(name).ends_with(items[i])) userSelect(f, "File1", static_cast<int>(i));
  }
  t.reap();
  if (t.game().findForm(frmServe::kName) != &f) return 0;
  const auto& dishes = f.List1.items;
  const std::size_t whole = file.size() / kLen;
  if (f.Frame3.visible)
    FUZZ_CHECK(dishes.size() == whole + 1, "the dish list does not show every dish");
  if (dish < static_cast<int>(dishes.size())) userSelect(f, "List1", dish);
  const int chosen = f.List1.listIndex;
  const std::int32_t manpuku = t.st().manpuku;
  if (action == 1) {
    userClick(f, "Command1");
    const std::string after = t.bytes(name);
    if (after != file) {
      // Serving changes the servings left of the one dish chosen, and nothing else.
      FUZZ_CHECK(chosen >= 0, "a file changed without a dish chosen");
      const std::size_t at = static_cast<std::size_t>(chosen) * kLen;
      FUZZ_CHECK(after.size() == file.size() || after.size() == at + kLen, "the file grew");
      for (std::size_t i = 0; i < after.size(); ++i) {
        const bool remain = i >= at + FoodRecord::kRemainOffset &&
                            i < at + FoodRecord::kRemainOffset + FoodRecord::kRemainBytes;
        if (!remain && i < file.size())
          FUZZ_CHECK(after[i] == file[i], "serving changed more than the servings left");
      }
    } else {
      FUZZ_CHECK(t.st().manpuku == manpuku, "the pet ate a dish that the file kept");
    }
  } else if (action == 2 && f.Command5.enabled) {
    t.dialogs.inputs.push_back(cooked);
    userClick(f, "Command5");
    t.dialogs.inputs.clear();
    const std::string after = t.bytes(name);
    if (after != file) {
      // Cooking adds one dish after the whole ones.
      FUZZ_CHECK(after.size() == (whole + 1) * kLen, "cooking did not add one whole dish");
      FUZZ_CHECK(after.compare(0, whole * kLen, file, 0, whole * kLen) == 0,
                 "cooking changed the dishes there were");
    }
  }
  t.reap();
  if (Form* open = t.game().findForm(frmServe::kName)) userClose(*open);
  t.reap();
  return 0;
}
