// Field access by name for scripts: the 16-bit Booleans read and take True and False, the
// other integer fields stay numbers.
#include <gtest/gtest.h>

#include "kernel/GameState.h"

namespace myu {
namespace {

struct FlagField {
  const char* name;
  std::int16_t GameState::*member;
};

TEST(FieldAccess, BooleansReadAndTakeTrueAndFalse) {
  const FlagField flags[] = {{"eventBusy", &GameState::eventBusy},
                             {"waraiDake", &GameState::waraiDake},
                             {"kindanState", &GameState::kindanState}};
  struct Case {
    const char* text;
    std::int16_t stored;  // what the field holds afterwards
    const char* reads;    // what getField gives back
  } cases[] = {
      {"True", -1, "True"}, {"False", 0, "False"}, {"-1", -1, "True"},
      {"0", 0, "False"},    {"1", 1, "True"},  // any non-zero number reads as True
  };
  for (const FlagField& f : flags) {
    for (const Case& c : cases) {
      GameState s;
      s.*f.member = 7;
      ASSERT_TRUE(setField(s, f.name, c.text)) << f.name << " " << c.text;
      EXPECT_EQ(s.*f.member, c.stored) << f.name << " " << c.text;
      EXPECT_EQ(getField(s, f.name), c.reads) << f.name << " " << c.text;
    }
    for (const char* bad : {"true", "TRUE", "yes", "", "40000", "1.5"}) {
      GameState s;
      s.*f.member = 7;
      EXPECT_FALSE(setField(s, f.name, bad)) << f.name << " " << bad;
      EXPECT_EQ(s.*f.member, 7) << f.name << " " << bad;
    }
  }
}

TEST(FieldAccess, OtherIntegersStayNumbers) {
  GameState s;
  for (const char* name : {"hp", "answer1", "petImage", "titleFlags(3)"}) {
    EXPECT_FALSE(setField(s, name, "True")) << name;
    ASSERT_TRUE(setField(s, name, "-1")) << name;
    EXPECT_EQ(getField(s, name), "-1") << name;
  }
}

}  // namespace
}  // namespace myu
