// Teaching the pet a word, and the pet answering what a word means.
#include "words/mdlLang.h"

#include <cctype>

#include "kernel/GameHelpers.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "platform/Sjis.h"
#include "words/LangForms.h"
#include "words/LangSteps.h"
#include "words/WordRecord.h"

namespace myu {
namespace {

constexpr const char* kConfirm = "確認ウインドウ";
constexpr std::int32_t kMaxWords = 1000;
constexpr const char* kCannotWrite = kCannotWriteText;

std::int16_t box(Game& g, const std::string& text, int style = mb::kOkOnly,
                 const std::string& title = "") {
  return static_cast<std::int16_t>(g.MsgBox(text, style, title));
}

}  // namespace

bool isNumericText(const std::string& text) {
  std::size_t i = 0, n = text.size();
  auto blank = [&](std::size_t k) { return text[k] == ' ' || text[k] == '\t'; };
  while (i < n && blank(i)) ++i;
  while (n > i && blank(n - 1)) --n;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < n; ++i) {
    char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
      digits = true;
    } else if (c == ',' && !point && digits) {
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool expDigits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i])) != 0) {
      expDigits = true;
      ++i;
    }
    if (!expDigits) return false;
  }
  return i == n;
}

bool startsDoubleByte(const std::string& utf8) {
  if (utf8.empty()) return false;
  auto c = static_cast<unsigned char>(utf8[0]);
  std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  auto bytes = toCp932(utf8.substr(0, len));
  return bytes && bytes->size() == 2;
}

void InPutNewWord(Game& g) {
  guarded(g, "mdlLang/InPutNewWord ", [&] {
    GameState& s = g.st;
    s.eventBusy = -1;
    std::int32_t n = OPENDAT1(g);
    if (n > kMaxWords) {
      box(g, "もはや言葉は覚えられるだけ覚えました。\r\nいっぱいいっぱいです。", mb::kInformation);
      return;
    }
    LangWork w;
    while (true) {
      s.answer2 = box(g, s.petName + "が言葉を知りたがっています。教えてあげますか？",
                      mb::kYesNo + mb::kQuestion, kConfirm);
      if (s.answer2 != mb::kYes) return;
      if (!InputWord(g, w)) return;
      showPoseNow(g, 15);
      s.answer1 =
          box(g, "よし、覚えたぞ！  『" + w.newWord + "』は、『" + w.newMean + "』なんだね？",
              mb::kYesNo + mb::kQuestion, kConfirm);
      if (s.answer1 == mb::kYes) {
        std::int32_t count = OPENDAT1(g);
        if (!g.lang1.isOpen()) return;
        WordRecord r{w.newMean, w.newWord, "", ""};
        g.lang1.write(chk::add<std::int32_t>(count, 1), r.pack());
        return;
      }
      showPoseNow(g, 16);
      s.answer1 = box(g, "じゃぁなんなのさ？ ちゃんと教えてやろうって気ある？",
                      mb::kYesNo + mb::kQuestion, kConfirm);
      if (s.answer1 == mb::kYes) continue;
      showPoseNow(g, 17);
      s.answer1 = box(g, "あぁ、そぉですか・・・");
      return;
    }
  });
}

bool InputWord(Game& g, LangWork& w) {
  return guarded(g, "mdlLang/InputWord ", false, [&] {
    w.newMean.clear();
    while (w.newMean.empty()) {
      frmLangMean& f = g.form<frmLangMean>();
      f.onChosen = [&w](const std::string& m) { w.newMean = m; };
      g.show(f, true);
      if (w.newMean.empty() && !f.closed) {
        // The window came back without a choice and still open: nobody can answer it.
        f.onChosen = nullptr;
        return false;
      }
    }
    int r = 1;
    while (r == 1) r = GetInputLang(g, w);
    if (r == 0) return false;
    if (w.newMean == "その他") return GetLangETC(g, w);
    return true;
  });
}

int GetInputLang(Game& g, LangWork& w) {
  return guarded(g, "mdlLang/GetInputLang ", 0, [&] {
    GameState& s = g.st;
    w.newWord = g.InputBox("『" + w.newMean + "』を教えておくれ。");
    if (w.newWord.empty()) {
      s.answer1 = box(g, "いいじゃんなんかおしえろよ！", mb::kYesNo);
      if (s.answer1 == mb::kYes) return 1;
      s.answer1 = box(g, "あぁ、そぉですか・・・");
      return 0;
    }
    if (!fitsCp932(w.newWord)) {
      s.answer1 = box(g, kCannotWrite);
      return 1;
    }
    if (sjisLength(w.newWord) >= 40) {
      s.answer1 = box(g, "そんな長いのはおぼえられましぇん～。");
      return 1;
    }
    if (startsDoubleByte(w.newWord)) return 2;
    if (isNumericText(w.newWord)) {
      s.answer1 = box(g, "ていうか何…？ 愛しのあいつの電話番号かなにか？", mb::kYesNo, kConfirm);
      if (s.answer1 == mb::kYes) {
        s.answer1 =
            box(g, "う～ん…。オレ数字嫌いなんだよね、他のにしてくれない？", mb::kOkOnly, kConfirm);
        return 1;
      }
      s.answer1 = box(g, "じゃなに…？ " + s.petName + "に数学の問題でも解かせようとしたわけ！？",
                      mb::kYesNo, kConfirm);
      if (s.answer1 == mb::kYes) {
        s.answer1 =
            box(g, "できるかボケ！ わしゃ算数すらできないんじゃ！！", mb::kOkOnly, kConfirm);
        return 0;
      }
      return 1;
    }
    s.answer1 = box(g,
                    "ぇっ？？  何？？？？ いまの英語？？  いや、おれ日本産だから・・・。\r\n"
                    "日本語を入力してたもれ。",
                    mb::kOkOnly, kConfirm);
    return 1;
  });
}

bool GetLangETC(Game& g, LangWork& w) {
  return guarded(g, "mdlLang/GetLangETC ", false, [&] {
    GameState& s = g.st;
    s.answer1 = box(g, "で、意味が『その他』ってことはどいうこと？");
    while (true) {
      w.newMean = g.InputBox("『その他』の意味を教えておくれ。");
      if (w.newMean.empty()) {
        s.answer1 = box(g, "いや、意味を教えてくれないとさ…");
        s.answer1 = box(g, "じゃぁ、『" + w.newWord + "』は無かったと言う事で…。");
        return false;
      }
      if (!fitsCp932(w.newMean)) {
        s.answer1 = box(g, kCannotWrite);
        continue;
      }
      if (sjisLength(w.newMean) >= 20) {
        s.answer1 = box(g, "そんな長い意味おぼえられましぇん～。");
        s.answer1 = box(g, "もっと短く簡潔にまとめてたもれ。");
        continue;
      }
      if (startsDoubleByte(w.newMean)) return true;
      if (isNumericText(w.newMean)) {
        s.answer1 = box(g, "意味が数字ってあんた…。 " + s.petName + "のことなめてる？", mb::kYesNo,
                        kConfirm);
        if (s.answer1 == mb::kYes) {
          s.answer1 = box(g, "ちゃんと教えてよ…。", mb::kOkOnly, kConfirm);
          continue;
        }
        s.answer1 = box(g, "そぉか俺はなめられてるんだな…。", mb::kOkOnly, kConfirm);
        chk::subFrom(s.happy, 35);
        return false;
      }
      s.answer1 = box(g, "ねぇ、ホントにそれ意味あるの？", mb::kYesNo, kConfirm);
      if (s.answer1 == mb::kYes) {
        s.answer1 =
            box(g, "う～ん…。よくわからないけどお前を信じて覚えよう…。", mb::kOkOnly, kConfirm);
        return true;
      }
      s.answer1 = box(g, s.userName + "ヒドイヨ…", mb::kOkOnly, kConfirm);
      chk::subFrom(s.happy, 25);
      return false;
    }
  });
}

bool AnserWordMean(Game& g) {
  return guarded(g, "mdlLang/AnserWordMean ", false, [&] {
    GameState& s = g.st;
    s.eventBusy = -1;
    std::int32_t n = OPENDAT1(g);
    s.answer1 = box(g, "オレってばさ、勉強家だからさ、物知りなんださ。");
    std::string q = g.InputBox("で、オレサマに聞きたい言葉とかない？", "聞きたい言葉");
    if (q.empty()) {
      s.answer1 = box(g, "そっか…。");
      chk::subFrom(s.happy, 30);
      return false;
    }
    std::string m;
    for (std::int32_t i = 1; i <= n; ++i) {
      WordRecord r = WordRecord::unpack(g.lang1.read(i));
      if (r.rawWord.find(q) == std::string::npos) continue;
      m = r.mean;
      std::string question = "『" + q;
      question += "』は、『" + r.word;
      question += "』で、\r\nズバリ『" + m;
      question += "』っでしょう？";
      s.answer1 = box(g, question, mb::kYesNoCancel, kConfirm);
      if (s.answer1 == mb::kNo) {
        s.answer1 = box(g, "えっ、じゃぁ…");
        m.clear();
        continue;
      }
      if (s.answer1 == mb::kCancel) return false;
      chk::addTo(s.happy, 15);
      chk::addTo(s.brain, 6);
      s.answer1 = box(g, "だろ？  " + s.petName + "の言うことに間違いはないのさ。");
      return false;
    }
    if (m.empty()) s.answer1 = box(g, "そんな言葉わかりましぇん～", mb::kOkOnly, kConfirm);
    return true;
  });
}

void showLangEdit(Game& g) {
  guarded(g, "frmLangEdit/Show ", [&] { g.show(g.form<frmLangEdit>(), true); });
}

}  // namespace myu
