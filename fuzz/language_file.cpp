// The pet's language file (<pet name>.dat, 60-byte records): opened by OPENDAT1 and shown,
// changed and shortened in the word-list editor. The input is the file; after its last form
// feed (0x0C) come the row chosen, what is done with it and the word and meaning typed.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzGame.h"
#include "kernel/UserInput.h"
#include "kernel/mdlMain.h"
#include "platform/Sjis.h"
#include "words/LangForms.h"
#include "words/WordRecord.h"
#include "words/mdlLang.h"

using namespace myu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto input = fuzz::splitSteering({reinterpret_cast<const char*>(data), size});
  FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(input.steering.data()),
                        input.steering.size());
  const auto row = in.ConsumeIntegralInRange<int>(0, 40);
  const auto action = in.ConsumeIntegralInRange<int>(0, 2);
  const std::string word = in.ConsumeRandomLengthString(48);
  const std::string mean = in.ConsumeRandomLengthString(24);
  const std::string& file = input.file;
  fuzz::FuzzGame t;
  t.healthyPet();
  t.put("モフ.dat", file);
  const std::int32_t records = static_cast<std::int32_t>(file.size() / WordRecord::kLength);
  auto record = [&](std::int32_t n) {
    return file.substr(static_cast<std::size_t>(n - 1) * WordRecord::kLength, WordRecord::kLength);
  };

  FUZZ_CHECK(OPENDAT1(t.game()) == records, "the word count is not the file's whole records");
  t.game().lang1.close();

  // The editor is driven while it is open: its modal show returns at once here.
  t.windows.pump = nullptr;
  showLangEdit(t.game());
  auto* f = dynamic_cast<frmLangEdit*>(t.game().findForm(frmLangEdit::kName));
  FUZZ_CHECK(f != nullptr, "the word list did not open");
  const Control& grid = f->msgLangList;
  FUZZ_CHECK(grid.cells.size() == static_cast<std::size_t>(records) + 1,
             "the word list does not show every record");
  if (row < static_cast<int>(grid.items.size())) {
    userSelect(*f, "msgLangList", row);
  }
  const int chosen = f->selectedRow();
  if (action == 1) {
    userType(*f, "txtLang(0)", word);
    userType(*f, "txtLang(1)", mean);
    userClick(*f, "cmdExcute(0)");
    std::string expected = file;
    if (fitsCp932(word) && fitsCp932(mean) && chosen >= 1)
      expected.replace(static_cast<std::size_t>(chosen - 1) * WordRecord::kLength,
                       WordRecord::kLength, WordRecord{mean, word, "", ""}.pack());
    FUZZ_CHECK(t.bytes("モフ.dat") == expected, "a changed word was not written as typed");
  } else if (action == 2) {
    userClick(*f, "cmdExcute(1)");
    std::string expected;
    for (std::int32_t n = 1; n <= records; ++n)
      if (n != chosen) expected += record(n);
    if (chosen == 0) expected = file;
    FUZZ_CHECK(t.bytes("モフ.dat") == expected, "forgetting a word changed other words");
  }
  if (Form* open = t.game().findForm(frmLangEdit::kName)) userClick(*open, "cmdExcute(2)");
  t.reap();
  FUZZ_CHECK(t.game().findForm(frmLangEdit::kName) == nullptr, "the word list did not close");
  return 0;
}
