// The shared small procedures: error reporting, the text reader, the language-file opener,
// checked arithmetic, code page 932 and record files.
#include <gtest/gtest.h>

#include <filesystem>

#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/RecordFile.h"
#include "platform/Sjis.h"
#include "support/TestGame.h"

namespace myu {
namespace {

class SharedProceduresTest : public ::testing::Test {
 protected:
  SharedProceduresTest() { t.dialogs.autoMode = true; }
  test::TestGame t;
  Game& g() { return t.game(); }
};

TEST_F(SharedProceduresTest, ErrorHandleLogsOneLineAndShowsTheBox) {
  t.clock.set({2026, 3, 4, 5, 6, 7});
  ErrorHandle(g(), 53, "ファイルが見つかりません。", "ミュルカ", "mdlMain/OPENDAT1 ErrorHandle");
  ErrorHandle(g(), 6, "オーバーフローしました。", "ミュルカ", "mdliniFile/GetCount ErrorHandle");
  EXPECT_EQ(
      t.text("KivoError.log"),
      "2026/03/04 05:06:07 mdlMain/OPENDAT1 ErrorHandle:(53) - ファイルが見つかりません。\r\n"
      "2026/03/04 05:06:07 mdliniFile/GetCount ErrorHandle:(6) - オーバーフローしました。\r\n");
  EXPECT_NE(t.transcript().find(
                "msgbox style=16 title=\"ミュルカ\" text=\"えらーが起こっちまったようですね。"
                "\\r\\rｴﾗｰ番号 : 53\\rファイルが見つかりません。\" -> 1"),
            std::string::npos)
      << t.transcript();
}

TEST_F(SharedProceduresTest, ErrorHandleStillShowsTheBoxWhenTheLogCannotBeWritten) {
  std::filesystem::create_directory(t.folder / "KivoError.log");
  ErrorHandle(g(), 5, "x", "ミュルカ", "L ErrorHandle");
  EXPECT_NE(t.transcript().find("msgbox style=16"), std::string::npos);
}

TEST_F(SharedProceduresTest, GuardedReportsWithTheLabelAndReturnsTheFailValue) {
  int result = guarded(g(), "mdlMain/Main ", -1, []() -> int { raise(err::kOverflow); });
  EXPECT_EQ(result, -1);
  EXPECT_NE(
      t.text("KivoError.log").find(" mdlMain/Main ErrorHandle:(6) - オーバーフローしました。"),
      std::string::npos);
}

TEST_F(SharedProceduresTest, CutAtNul) {
  EXPECT_EQ(CutAtNul(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(CutAtNul("abc"), "abc");
  EXPECT_EQ(CutAtNul(std::string("\0x", 2)), "");
}

TEST_F(SharedProceduresTest, GetStringATrimsCutsAtNulAndGivesTheDefault) {
  t.putBytes("x.ini", std::string("[S]\r\nK=  a b \0rest\r\n", 21));
  std::string v;
  EXPECT_EQ(GetStringA(g(), "S", "K", "d", v, g().file("x.ini")), 1);
  EXPECT_EQ(v, "a b");
  EXPECT_EQ(GetStringA(g(), "S", "Missing", "Error", v, g().file("x.ini")), 1);
  EXPECT_EQ(v, "Error");
}

TEST_F(SharedProceduresTest, Opendat1CreatesAMissingFileAndCountsRecords) {
  g().st.petName = "ぴよ";
  EXPECT_EQ(OPENDAT1(g()), 0);
  EXPECT_TRUE(t.exists("ぴよ.dat"));
  t.putBytes("ぴよ.dat", std::string(60 * 3 + 59, ' '));
  EXPECT_EQ(OPENDAT1(g()), 3) << "a cut-short last record is not counted";
  EXPECT_TRUE(t.transcript().empty()) << t.transcript();
}

TEST_F(SharedProceduresTest, Opendat1OpensNothingForANameLeadingOutOfTheFolder) {
  // Start-up has told the owner once; every later call opens nothing, quietly.
  for (const char* name : {"../escape", "a/b", "/tmp/abs"}) {
    g().st.petName = name;
    EXPECT_EQ(OPENDAT1(g()), 0) << name;
    EXPECT_FALSE(g().lang1.isOpen());
  }
  EXPECT_FALSE(std::filesystem::exists(t.folder.parent_path() / "escape.dat"));
  EXPECT_FALSE(t.exists("KivoError.log"));
  EXPECT_TRUE(t.dialogs.answers.empty());
  EXPECT_EQ(t.transcript(), "");
}

TEST_F(SharedProceduresTest, Opendat3OnADirectoryReportsAndReturnsZero) {
  std::filesystem::create_directory(t.folder / "dir.dat");
  EXPECT_EQ(OPENDAT3(g(), pathToUtf8(t.folder / "dir.dat")), 0);
  EXPECT_NE(t.text("KivoError.log").find("mdlMain/OPENDAT3 ErrorHandle:(75)"), std::string::npos);
}

TEST(Checked, OverflowRaisesErrorSixAndKeepsTheField) {
  std::int16_t counter = 32767;
  try {
    chk::addTo(counter, 1);
    FAIL() << "no overflow raised";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kOverflow);
  }
  EXPECT_EQ(counter, 32767);
  std::int32_t v = -2147483647;
  EXPECT_THROW(chk::subFrom(v, 2), VbError);
  EXPECT_THROW(chk::mul<std::int32_t>(65536, 65536), VbError);
  EXPECT_EQ(chk::mul<std::int32_t>(-46341, 46340), -2147441940);
  EXPECT_THROW(chk::narrow<std::int16_t>(std::int32_t{-32769}), VbError);
  EXPECT_THROW(chk::idiv<std::int32_t>(1, 0), VbError);
}

TEST(Cp932, RoundTripsTheGameCharactersAndRefusesOthers) {
  for (const char* s : {"♂", "♀", "？", "ｼｰｸﾚｯﾄ", "ｴﾗｰ番号", "モフリーノ", "～", "①"}) {
    auto bytes = toCp932(s);
    ASSERT_TRUE(bytes) << s;
    EXPECT_EQ(fromCp932(*bytes), std::optional<std::string>(s)) << s;
  }
  EXPECT_EQ(*toCp932("ｼ"), "\xBC");
  EXPECT_EQ(sjisLength("ｼｰｸﾚｯﾄ"), 6);
  EXPECT_EQ(sjisLength("あa"), 3);
  EXPECT_FALSE(toCp932("한"));  // Hangul has no code page 932 form
  EXPECT_FALSE(toCp932("😀"));
  EXPECT_FALSE(fitsCp932("ab€"));
  EXPECT_FALSE(fromCp932("\x81"));  // a lead byte alone
  EXPECT_EQ(fromCp932Lossy("a\x81"), "a\xEF\xBF\xBD");
}

TEST(Cp932, CutNeverSplitsACharacter) {
  const std::string ab = *toCp932("あい");  // 4 bytes
  EXPECT_EQ(cutSjisBytes(ab, 3), ab.substr(0, 2));
  EXPECT_EQ(cutSjisBytes(ab, 1), "");
  EXPECT_EQ(cutSjisBytes("a" + ab, 2), "a");
  EXPECT_EQ(cutSjisBytes(*toCp932("ｱｲｳ"), 2), *toCp932("ｱｲ"));  // half-width: one byte each
}

TEST_F(SharedProceduresTest, RecordFileReadsWritesAndAppends) {
  RecordFile f(t.folder / "r.dat", 10);
  f.open();
  EXPECT_EQ(f.count(), 0);
  f.write(1, "first");
  f.write(2, "second");  // count + 1 appends
  f.write(1, "again");
  EXPECT_EQ(f.count(), 2);
  EXPECT_EQ(f.read(1), "again     ");
  EXPECT_EQ(f.read(2), "second    ");
  EXPECT_EQ(f.read(9), std::string(10, ' ')) << "past the end reads as blanks";
  f.write(4, "four");
  EXPECT_EQ(f.count(), 4);
  EXPECT_EQ(f.read(3), std::string(10, ' ')) << "the gap is blanks";
  EXPECT_THROW(f.read(0), VbError);
  EXPECT_THROW(f.write(0, "x"), VbError);
}

TEST(RecordFields, PackCutsOnWholeCharactersAndPadsWithBlanks) {
  EXPECT_EQ(packField("あいう", 5), *toCp932("あい") + " ");
  EXPECT_EQ(packField("ab", 4), "ab  ");
  EXPECT_EQ(packField("a한b", 4), "a?b ");
  EXPECT_EQ(unpackFieldLossy(*toCp932("ぴよ") + "   "), "ぴよ");
  EXPECT_EQ(unpackFieldLossy(std::string("ab\0zz", 5)), "ab");
  std::string out;
  EXPECT_FALSE(unpackField("\x81", out));
}

}  // namespace
}  // namespace myu
