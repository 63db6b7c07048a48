// What the pet says in each mood, with the drawn word's meaning.
#include <gtest/gtest.h>

#include "events/mdlEvent.h"
#include "support/TestGame.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

struct SpeechCase {
  const char* label;
  std::int32_t condition, manpuku, happy;
  const char* mean;
  std::vector<std::int32_t> draws;  // after the record draw
  std::int16_t image;               // 99: unchanged
  const char* message;              // "前": unchanged
};
void PrintTo(const SpeechCase& c, std::ostream* os) {
  *os << c.label;
}

class Speech : public ::testing::TestWithParam<SpeechCase> {
 protected:
  test::TestGame tg;
  GameState& s = tg.st();
};

TEST_P(Speech, ChoosesTheMoodAndTheLine) {
  const SpeechCase& c = GetParam();
  s.petName = "モフ";
  s.userName = "太郎";
  s.condition = c.condition;
  s.manpuku = c.manpuku;
  s.happy = c.happy;
  s.petImage = 99;
  s.petMessage = "前";
  tg.putBytes("モフ.dat", WordRecord{c.mean, "ばか", "", ""}.pack());
  tg.random.queued = {1};
  tg.random.queued.insert(tg.random.queued.end(), c.draws.begin(), c.draws.end());
  EXPECT_TRUE(Event_PetsSpeak(tg.game()));
  EXPECT_EQ(s.petImage, c.image);
  EXPECT_EQ(s.petMessage, c.message);
  EXPECT_TRUE(tg.random.queued.empty());
  EXPECT_FALSE(tg.game().lang1.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Moods, Speech,
    ::testing::Values(
        SpeechCase{"highBuzz", 7, 50, 50, "流行言葉", {}, 7, "ばか"},
        SpeechCase{"highPlain", 10, 50, 50, "悪口", {}, 7, "今のオレなら飛べるぜ！ 逝くぜ！！ "},
        SpeechCase{
            "hungryInsult", 6, 40, 50, "悪口", {}, 16, "太郎はばかに違いない！！ かってんだ！"},
        SpeechCase{"hungryDisliked",
                   0,
                   0,
                   50,
                   "太郎の嫌いな人",
                   {},
                   16,
                   "太郎は、なんだかんだ言ってばかと変わらないじゃない？"},
        SpeechCase{
            "hungryCurse", -1, 10, 50, "呪いの言葉", {}, 16, "モフが餓死したらばか…。ブツブツ。"},
        SpeechCase{"hungryScold", 0, 10, 50, "お叱りの言葉", {}, 16, "太郎！ ばか！！"},
        SpeechCase{"hungryPlain", 0, 10, 50, "その他", {3}, 16, "ねぇ、なんか盛ってよ…。"},
        SpeechCase{"blissPraise0",
                   0,
                   50,
                   99,
                   "誉め言葉",
                   {0},
                   9,
                   "もぉなんて言うか  太郎は、飼い主として『ばか』"},
        SpeechCase{"blissPraise2", 0, 50, 100, "誉め言葉", {2}, 9, "イヨッ 『ばか』"},
        SpeechCase{"blissBuzz", 0, 50, 99, "流行言葉", {}, 9, "『ばか』"},
        SpeechCase{"blissLove", 0, 50, 99, "愛のささやき", {}, 9, "ばか"},
        SpeechCase{
            "blissPlain", 0, 50, 99, "悪口", {}, 9, "知ってた？  モフは今、幸せ絶好調なんだよっ。"},
        SpeechCase{"relaxedBuzz", 0, 50, 36, "流行言葉", {}, 0, "ばか"},
        SpeechCase{"relaxedShout3",
                   0,
                   50,
                   98,
                   "悪口",
                   {3},
                   0,
                   "ばか!!  っととりあいず叫んでみたりしてな。"},
        SpeechCase{"relaxedShout11",
                   0,
                   50,
                   60,
                   "悪口",
                   {11},
                   0,
                   "ばか!!  っととりあいず叫んでみたりしてな。"},
        SpeechCase{"relaxedStock", 0, 50, 60, "悪口", {2}, 0, "焼き鳥好き？"},
        SpeechCase{"sadParting", 0, 50, 35, "すて台詞", {}, 1, "ばか"},
        SpeechCase{"sadInsult", 0, 50, 0, "悪口", {}, 1, "ばか・・・ボソ。"},
        SpeechCase{"sadDisliked",
                   0,
                   50,
                   10,
                   "太郎の嫌いな人",
                   {},
                   1,
                   "ばかってイイ奴だよね…。\r\n太郎に比べれば・・・・・・。"},
        SpeechCase{"sadPlain0", 0, 50, 10, "その他", {0}, 1, "……………。"},
        SpeechCase{"sadPlain1", 0, 50, 10, "その他", {1}, 1, "あぁ。モフの幸せはどこに…？"},
        SpeechCase{"silent", -2, 50, 50, "悪口", {}, 99, "前"},
        SpeechCase{"sickInsult", -3, 50, 50, "悪口", {}, 10, "ばか・・・ボソ。"},
        SpeechCase{"sickQuiet", -6, 50, 50, "その他", {3}, 10, "前"},
        SpeechCase{"sickAsks",
                   -4,
                   50,
                   50,
                   "その他",
                   {0},
                   10,
                   "あぁ。体調わりぃ、おい太郎クスリくれよ・・・。なぁ。"},
        SpeechCase{"dyingComfort",
                   -7,
                   50,
                   80,
                   "慰めの言葉",
                   {},
                   19,
                   "太郎 オレが死んでも  ばか\r\n思い出をありがとう。"},
        SpeechCase{"dyingCurse", -10, 50, 30, "呪いの言葉", {}, 19, "ばか  忌まわの一言だ。"},
        SpeechCase{"dyingPlain", -9, 50, 50, "呪いの言葉", {}, 19, "お花ばたけが…、綺麗だ……ん。"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SpeechFile, NoWordsYetAndNulPaddedFields) {
  test::TestGame tg;
  GameState& s = tg.st();
  s.petName = "モフ";
  s.condition = 7;
  EXPECT_TRUE(Event_PetsSpeak(tg.game()));
  EXPECT_EQ(s.petMessage, "モフはまだ言葉を覚えていない…。");
  // A record written by another tool: NULs after the text, and a partial record after it.
  std::string rec = "\x97\xac\x8d\x73\x8c\xbe\x97\x74";  // 流行言葉
  rec.resize(20, '\0');
  rec += "abc";
  rec.resize(60, '\0');
  tg.putBytes("モフ.dat", rec + std::string(5, 'x'));
  tg.random.queued = {1};
  EXPECT_TRUE(Event_PetsSpeak(tg.game()));
  EXPECT_EQ(s.petMessage, "abc");
}

}  // namespace
}  // namespace myu
