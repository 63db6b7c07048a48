// The INI reader and writer: the rules every save file relies on.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/IniFile.h"
#include "platform/VbError.h"
#include "support/TestGame.h"

namespace myu {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  test::TestGame t;
  IniStore& ini() { return t.game().ini; }
  std::filesystem::path file() { return t.game().file("a.ini"); }
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(ini().getString(file(), "S", "K", "Error"), "Error");
  EXPECT_EQ(ini().getInt(file(), "S", "K", 30), 30);
  EXPECT_FALSE(t.exists("a.ini")) << "reading never creates the file";
  t.put("a.ini", "[S]\r\nOther=1\r\n");
  EXPECT_EQ(ini().getString(file(), "S", "K", "Error"), "Error");
  EXPECT_EQ(ini().getInt(file(), "T", "Other", 4), 4);
}

TEST_F(IniFileTest, IntegerReaderTakesTheLeadingDigits) {
  struct Case {
    const char* stored;
    std::int32_t expected;
  } cases[] = {
      {"12abc", 12}, {"abc", 0},
      {"", 0},       {"-5", -5},
      {" 42 ", 42},  {"1.05", 1},
      {"True", 0},   {"-2147483648", -2147483648LL},
      {"007", 7},    {"99999999999", 2147483647},
  };
  for (const auto& c : cases) {
    t.put("a.ini", std::string("[S]\r\nK=") + c.stored + "\r\n");
    EXPECT_EQ(ini().getInt(file(), "S", "K", 30), c.expected) << c.stored;
  }
}

TEST_F(IniFileTest, NegativeValuesReadBackNegative) {
  ini().write(file(), "PETPROFILE", "CONDITION", "-9");
  EXPECT_EQ(ini().getInt(file(), "PETPROFILE", "CONDITION", 0), -9);
  EXPECT_EQ(t.bytes("a.ini"), "[PETPROFILE]\r\nCONDITION=-9\r\n");
}

TEST_F(IniFileTest, LongEntryIsCutOnAWholeShiftJisCharacter) {
  // 253 ASCII bytes and one two-byte character: 255 bytes, one more than the buffer holds.
  std::string value(253, 'a');
  t.put("a.ini", "[S]\r\nK=" + value + "あ\r\n");
  EXPECT_EQ(ini().getString(file(), "S", "K", ""), value);
  // 254 bytes fit whole.
  t.put("a.ini", "[S]\r\nK=" + std::string(252, 'a') + "あ\r\n");
  EXPECT_EQ(ini().getString(file(), "S", "K", ""), std::string(252, 'a') + "あ");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndNamesMatchWithoutCase) {
  t.put("a.ini", "  [Profile]  \r\n  name  =  太郎  \r\n");
  EXPECT_EQ(ini().getString(file(), "PROFILE", "Name", "Error"), "太郎");
  EXPECT_EQ(ini().getString(file(), "profile", "NAME", "Error"), "太郎");
}

TEST_F(IniFileTest, LineEndsMayBeLfOrCrLf) {
  t.putBytes("a.ini", "[S]\nA=1\r\nB=2\nC=3");
  EXPECT_EQ(ini().getInt(file(), "S", "A", 0), 1);
  EXPECT_EQ(ini().getInt(file(), "S", "B", 0), 2);
  EXPECT_EQ(ini().getInt(file(), "S", "C", 0), 3);
}

TEST_F(IniFileTest, WritingCreatesTheFileReplacesValuesAndKeepsOrder) {
  ini().write(file(), "B", "two", "2");
  ini().write(file(), "A", "one", "1");
  ini().write(file(), "B", "three", "3");
  ini().write(file(), "b", "TWO", "22");  // replaces in place, the name keeps its first spelling
  EXPECT_EQ(t.bytes("a.ini"), "[B]\r\ntwo=22\r\nthree=3\r\n[A]\r\none=1\r\n");
}

TEST_F(IniFileTest, UntouchedLinesAreKeptByteForByte) {
  t.putBytes("a.ini", "; note\r\n[S]\r\n  K = old \r\nJunk line\r\n\r\n[T]\r\nX=1\r\n");
  ini().write(file(), "S", "New", "v");
  EXPECT_EQ(t.bytes("a.ini"),
            "; note\r\n[S]\r\n  K = old \r\nJunk line\r\nNew=v\r\n\r\n[T]\r\nX=1\r\n");
}

TEST_F(IniFileTest, TextsAreShiftJisInTheFile) {
  ini().write(file(), "PROFILE", "Sex", "♀");
  EXPECT_EQ(t.bytes("a.ini"), "[PROFILE]\r\nSex=\x81\x8A\r\n");
  EXPECT_EQ(ini().getString(file(), "PROFILE", "Sex", ""), "♀");
}

TEST_F(IniFileTest, AValueWithLineBreaksStaysOnItsLine) {
  ini().write(file(), "PROFILE", "Mail", "a@b\r\n[PETPROFILE]\r\nHP=9999");
  EXPECT_EQ(ini().getInt(file(), "PETPROFILE", "HP", 30), 30);
  EXPECT_EQ(t.bytes("a.ini"), "[PROFILE]\r\nMail=a@b  [PETPROFILE]  HP=9999\r\n");
}

TEST_F(IniFileTest, AFailedReplaceLeavesTheOldFile) {
  t.put("a.ini", "[S]\r\nK=old\r\n");
  // A directory where the temporary file would go: the write cannot happen, even as root.
  std::filesystem::create_directory(t.folder / "a.ini.tmp");
  EXPECT_THROW(ini().write(file(), "S", "K", "new"), VbError);
  EXPECT_EQ(t.bytes("a.ini"), "[S]\r\nK=old\r\n");
}

TEST_F(IniFileTest, ABatchWritesNothingUntilCommitted) {
  t.put("a.ini", "[S]\r\nK=old\r\n");
  {
    IniStore::Batch batch(ini());
    ini().write(file(), "S", "K", "new");
    EXPECT_EQ(ini().getString(file(), "S", "K", ""), "new") << "reads see the held write";
    EXPECT_EQ(t.bytes("a.ini"), "[S]\r\nK=old\r\n");
  }
  EXPECT_EQ(t.bytes("a.ini"), "[S]\r\nK=old\r\n") << "no commit, no write";
}

}  // namespace
}  // namespace myu
