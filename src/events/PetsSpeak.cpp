// Once a play minute the pet says something, in the mood of its condition, fullness and
// happiness, often with one of the words it was taught.
#include "events/mdlEvent.h"
#include "kernel/mdlMain.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

bool contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// Chooses the utterance for the drawn record; leaves petMessage alone where the pet says
// nothing new.
void speak(Game& g, const WordRecord& rec) {
  GameState& s = g.st;
  const std::string& word = rec.word;
  const std::string& cat = rec.mean;
  const std::string& u = s.userName;
  const std::string& p = s.petName;
  const std::string disliked = u + "の嫌いな人";
  std::int32_t c = s.condition;

  if (c >= 7) {
    s.petImage = 7;
    if (contains(rec.rawMean, "流行言葉") || contains(rec.rawMean, "キメ台詞"))
      s.petMessage = word;
    else
      s.petMessage = "今のオレなら飛べるぜ！ 逝くぜ！！ ";
    return;
  }
  if (c >= -1) {
    s.petImage = 0;
    if (s.manpuku <= 40) {
      s.petImage = 16;
      if (cat == "悪口") {
        s.petMessage = u + "は" + word + "に違いない！！ かってんだ！";
      } else if (cat == disliked) {
        s.petMessage = u + "は、なんだかんだ言って" + word + "と変わらないじゃない？";
      } else if (cat == "呪いの言葉") {
        s.petMessage = p + "が餓死したら" + word + "…。ブツブツ。";
      } else if (cat == "お叱りの言葉") {
        s.petMessage = u + "！ " + word + "！！";
      } else {
        static const char* const kHungry[] = {
            "オレ腹減ってるんだよね・・・。", "あぁ！ なんか食わせろぉ！！",
            "はらへったぁぁああああああああああ！！", "ねぇ、なんか盛ってよ…。"};
        s.petMessage = kHungry[RandomBetween(g, 0, 3)];
      }
    } else if (s.happy >= 99) {
      s.petImage = 9;
      if (cat == "誉め言葉") {
        if (RandomBetween(g, 0, 2) == 0)
          s.petMessage = "もぉなんて言うか  " + u + "は、飼い主として『" + word + "』";
        else
          s.petMessage = "イヨッ 『" + word + "』";
      } else if (cat == "流行言葉") {
        s.petMessage = "『" + word + "』";
      } else if (cat == "愛のささやき") {
        s.petMessage = word;
      } else {
        s.petMessage = "知ってた？  " + p + "は今、幸せ絶好調なんだよっ。";
      }
    } else if (s.happy >= 36) {
      if (cat == "流行言葉") {
        s.petMessage = word;
      } else {
        switch (RandomBetween(g, 0, 11)) {
          case 0:
            s.petMessage = "あぁ。こぉいうどぉでもいい時間って・・・どぉ思う？";
            break;
          case 1:
            s.petMessage = "ちょっと退屈だなぁ～";
            break;
          case 2:
            s.petMessage = "焼き鳥好き？";
            break;
          case 4:
            s.petMessage = "オレ忘れられてないよね？";
            break;
          case 5:
            s.petMessage = "なぁ、ここから出してくれよ。無理だけどさ。";
            break;
          case 6:
            s.petMessage = "オレってへなちょこヤローに作られたわりに、まともに動くとおもわない？";
            break;
          case 7:
            s.petMessage = "なぁ、オレって退屈なヤローだとか思ってない？";
            break;
          case 8:
            s.petMessage = "オレだって言葉覚えれば、イロイロ喋れるんだけどな…。";
            break;
          default:
            s.petMessage = word + "!!  っととりあいず叫んでみたりしてな。";
            break;
        }
      }
    } else {
      s.petImage = 1;
      if (cat == "すて台詞") {
        s.petMessage = word;
      } else if (cat == "悪口") {
        s.petMessage = word + "・・・ボソ。";
      } else if (cat == disliked) {
        s.petMessage = word + "ってイイ奴だよね…。\r\n" + u + "に比べれば・・・・・・。";
      } else if (RandomBetween(g, 0, 3) == 0) {
        s.petMessage = "……………。";
      } else {
        s.petMessage = "あぁ。" + p + "の幸せはどこに…？";
      }
    }
    return;
  }
  if (c == -2) return;
  if (c >= -6) {
    s.petImage = 10;
    if (cat == "すて台詞") {
      s.petMessage = word;
    } else if (cat == "悪口") {
      s.petMessage = word + "・・・ボソ。";
    } else {
      switch (RandomBetween(g, 0, 8)) {
        case 0:
          s.petMessage = "あぁ。体調わりぃ、おい" + u + "クスリくれよ・・・。なぁ。";
          break;
        case 1:
          s.petMessage = "きっとオレは死ぬんだ・・・。";
          break;
        case 2:
          s.petMessage = "というか、お前オレが体調悪くなってるの楽しんでないか！？";
          break;
        case 3:
          break;
        case 4:
          s.petMessage = "・・・・・・・・・・・。苦しいよぉ。";
          break;
        case 5:
          s.petMessage = "なんだか眠くなってきた・・・・。";
          break;
        case 6:
          s.petMessage = "頭痛いな・・・。";
          break;
        case 7:
          s.petMessage = "そういえば、お腹もいたい・・・。";
          break;
        default:
          s.petMessage = "ふらふらだよ・・・。";
          break;
      }
    }
    return;
  }
  s.petImage = 19;
  if (contains(rec.rawMean, "慰めの言葉") && s.happy >= 80)
    s.petMessage = u + " オレが死んでも  " + word + "\r\n思い出をありがとう。";
  else if (contains(rec.rawMean, "呪いの言葉") && s.happy <= 30)
    s.petMessage = word + "  忌まわの一言だ。";
  else
    s.petMessage = "お花ばたけが…、綺麗だ……ん。";
}

}  // namespace

bool Event_PetsSpeak(Game& g) {
  return guarded(g, "mdlEvent/Event_PetsSpeak ", false, [&] {
    GameState& s = g.st;
    std::int32_t n = OPENDAT1(g);
    if (n == 0) {
      s.petMessage = s.petName + "はまだ言葉を覚えていない…。";
    } else {
      std::int32_t k = RandomBetween(g, 1, n);
      speak(g, WordRecord::unpack(g.lang1.read(k)));
    }
    g.lang1.close();
    return true;
  });
}

}  // namespace myu
