// The language file's records, the word tests of teaching, and the word-list editor.
#include <gtest/gtest.h>

#include "kernel/UserInput.h"
#include "support/TestGame.h"
#include "words/LangForms.h"
#include "words/LangSteps.h"
#include "words/WordRecord.h"
#include "words/mdlLang.h"

namespace myu {
namespace {

TEST(WordRecordFormat, PacksPaddedAndCutOnWholeCharacters) {
  WordRecord r{"悪口", std::string(21, 'a') + "あいうえおかきくけこ", "", ""};
  std::string bytes = r.pack();
  ASSERT_EQ(bytes.size(), 60u);
  EXPECT_EQ(bytes.substr(0, 20), "\x88\xab\x8c\xfb" + std::string(16, ' '));
  // 21 + 20 bytes do not fit; the last character is dropped whole and a blank pads.
  EXPECT_EQ(bytes.back(), ' ');
  WordRecord back = WordRecord::unpack(bytes);
  EXPECT_EQ(back.mean, "悪口");
  EXPECT_EQ(back.word, std::string(21, 'a') + "あいうえおかきくけ");
  EXPECT_EQ(back.rawMean.size(), std::string("悪口").size() + 16);
}

TEST(WordRecordFormat, ReadsCutAtNulAndTrimsBothEnds) {
  std::string bytes = "  ab\0zz" + std::string(13, ' ');
  bytes[4] = '\0';
  bytes += std::string(3, ' ') + "word" + std::string(33, ' ');
  WordRecord r = WordRecord::unpack(bytes);
  EXPECT_EQ(r.mean, "ab");
  EXPECT_EQ(r.word, "word");
}

TEST(WordTests, NumericAsThePlatformReadsIt) {
  for (const char* yes : {"123", " 12 ", "-3", "+1.5", "1,000", "1e5", "3.", ".5", "2D3"})
    EXPECT_TRUE(isNumericText(yes)) << yes;
  for (const char* no : {"", "abc", "1a", "e5", "1e", "-", "1.2.3", ",1"})
    EXPECT_FALSE(isNumericText(no)) << no;
  EXPECT_TRUE(startsDoubleByte("１２３"));
  EXPECT_TRUE(startsDoubleByte("あa"));
  EXPECT_FALSE(startsDoubleByte("ｱｲｳ"));
  EXPECT_FALSE(startsDoubleByte("abc"));
  EXPECT_FALSE(startsDoubleByte("😀"));
}

struct WordsFixture : ::testing::Test {
  test::TestGame tg;
  GameState& s = tg.st();
  std::vector<std::string>& errors = tg.errors;
  void SetUp() override {
    s.petName = "モフ";
    s.userName = "太郎";
  }
  void words(std::initializer_list<const char*> list) {
    std::string bytes;
    for (const char* w : list) bytes += WordRecord{"悪口", w, "", ""}.pack();
    tg.putBytes("モフ.dat", bytes);
  }
  std::vector<std::string> stored() {
    std::vector<std::string> out;
    std::string b = tg.bytes("モフ.dat");
    for (std::size_t i = 0; i + 60 <= b.size(); i += 60)
      out.push_back(WordRecord::unpack(std::string_view(b).substr(i, 60)).word);
    return out;
  }
};

TEST_F(WordsFixture, QuestionOffersEachMatchInTurn) {
  words({"いぬ", "こいぬ", "ねこ"});
  tg.dialogs.answers = {1, 7, 1, 7, 1, 1};
  tg.dialogs.inputs.push_back("いぬ");
  EXPECT_TRUE(AnserWordMean(tg.game()));
  EXPECT_NE(tg.transcript().find("ズバリ『悪口』っでしょう？"), std::string::npos);
  EXPECT_NE(tg.transcript().find("そんな言葉わかりましぇん～"), std::string::npos);
  EXPECT_TRUE(tg.dialogs.answers.empty());
  s.happy = 0;
  tg.dialogs.answers = {1, 6, 1};
  tg.dialogs.inputs.push_back("ねこ");
  EXPECT_FALSE(AnserWordMean(tg.game()));
  EXPECT_EQ(s.happy, 15);
  EXPECT_EQ(s.brain, 6);
}

TEST_F(WordsFixture, EditorDeletesAndRewrites) {
  words({"いち", "に", "さん"});
  tg.dialogs.autoMode = true;
  showLangEdit(tg.game());
  auto* f = dynamic_cast<frmLangEdit*>(tg.game().findForm("frmLangEdit"));
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->ctl("msgLangList").visible);
  EXPECT_EQ(f->ctl("msgLangList").columnWidths, (std::vector<int>{5100, 2300}));
  EXPECT_EQ(f->ctl("txtLang(0)").text, "いち");
  userClick(*f, "cmdExcute(1)");
  EXPECT_EQ(stored(), (std::vector<std::string>{"に", "さん"}));
  EXPECT_NE(tg.transcript().find("モフは何を忘れたのかすらも忘れてしまった。"), std::string::npos);
  userSelect(*f, "msgLangList", 1);
  EXPECT_EQ(f->ctl("txtLang(0)").text, "さん");
  userType(*f, "txtLang(0)", "よん");
  userClick(*f, "cmdExcute(0)");
  EXPECT_EQ(stored(), (std::vector<std::string>{"に", "よん"}));
  // A correction the file cannot hold is refused; the record stays as it was.
  userType(*f, "txtLang(0)", "よん😀");
  userClick(*f, "cmdExcute(0)");
  EXPECT_EQ(stored(), (std::vector<std::string>{"に", "よん"}));
  EXPECT_NE(tg.transcript().find(kCannotWriteText), std::string::npos);
  userClick(*f, "cmdExcute(2)");
  EXPECT_TRUE(errors.empty());
}

TEST_F(WordsFixture, EditorKeepsTheOldFileWhenTheNewOneCannotBeWritten) {
  words({"いち", "に"});
  std::filesystem::create_directories(tg.folder / u8path("モフ.dat.tmp") / "x");
  tg.dialogs.autoMode = true;
  showLangEdit(tg.game());
  auto* f = dynamic_cast<frmLangEdit*>(tg.game().findForm("frmLangEdit"));
  ASSERT_NE(f, nullptr);
  userClick(*f, "cmdExcute(1)");
  EXPECT_EQ(stored(), (std::vector<std::string>{"いち", "に"}));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("frmLangEdit/Forget "), std::string::npos);
}

TEST_F(WordsFixture, EmptyFileShowsNoGrid) {
  tg.dialogs.autoMode = true;
  showLangEdit(tg.game());
  auto* f = dynamic_cast<frmLangEdit*>(tg.game().findForm("frmLangEdit"));
  ASSERT_NE(f, nullptr);
  EXPECT_FALSE(f->ctl("msgLangList").visible);
  EXPECT_FALSE(f->ctl("cmdExcute(0)").enabled);
  EXPECT_FALSE(f->ctl("cmdExcute(1)").enabled);
  EXPECT_TRUE(tg.exists("モフ.dat"));
}

TEST_F(WordsFixture, MeaningWindowWithoutAHostGivesUpInsteadOfLooping) {
  tg.dialogs.autoMode = true;
  LangWork w;
  EXPECT_FALSE(InputWord(tg.game(), w));
}

}  // namespace
}  // namespace myu
