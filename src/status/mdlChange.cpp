// Status passes, personality counters and the pet's condition.
#include "status/mdlChange.h"

#include <array>

#include "events/mdlEvent.h"
#include "kernel/mdlMain.h"
#include "platform/Checked.h"
#include "words/mdlLang.h"

namespace myu {
namespace {

// Title flags the personality counters raise.
constexpr int kTitleOtaku = 0, kTitleUtagai = 1, kTitleSukebe = 2, kTitleMajime = 3,
              kTitleNamake = 4, kTitleAmaenbo = 5, kTitleYantya = 6, kTitleWildFunky = 7;

// Change to counter j from member i, by the circular distance (j − i) mod 8.
constexpr std::array<int, kPersonalityCount> kPattern{2, 1, 0, -1, -2, -1, 0, 1};

// Applies the counter pattern of member i and counts its run; returns the run number.
std::int32_t countRun(Game& g, int member, std::int32_t& runCounter) {
  for (int j = 0; j < kPersonalityCount; ++j) {
    int d = ((j - member) % kPersonalityCount + kPersonalityCount) % kPersonalityCount;
    chk::addTo(g.st.personality(j), kPattern[static_cast<std::size_t>(d)]);
  }
  chk::addTo(runCounter, 1);
  return runCounter;
}

void msgOk(Game& g, const std::string& text, std::int16_t& answer) {
  answer = static_cast<std::int16_t>(g.MsgBox(text, mb::kOkOnly));
}

}  // namespace

bool plusSTATUSpar(Game& g, std::int16_t& menuType) {
  return guarded(g, "mdlChange/plusSTATUSpar ", false, [&] {
    GameState& s = g.st;
    ActiveKivoMain(g, false);
    const std::string& p = s.petName;
    switch (menuType) {
      case 1:
        s.petMessage = p + "は、おもちゃに夢中です。";
        plusTYPEo(g);
        s.petImage = 14;
        break;
      case 2:
        s.petMessage = p + "に薬を飲ませました。";
        plusTYPEs(g);
        s.petImage = 16;
        break;
      case 3:
        s.petMessage = p + "に一服盛りました。少し疑っています。";
        plusTYPEu(g);
        s.petImage = 5;
        break;
      case 4:
        s.petMessage = p + "は好き気ままにしているようです。";
        plusTYPEy(g);
        s.petImage = 13;
        break;
      case 5:
        s.petMessage =
            p + "はとり憑かれたように体を鍛えています。\r\n鳥なので鳥疲れたとも言います。…。";
        plusTYPEw(g);
        s.petImage = 11;
        break;
      case 6:
        s.petMessage = "まじめに勉強しています。このひた向きさが誰かさんにも欲しいところです。";
        plusTYPEm(g);
        s.petImage = 12;
        break;
      case 7:
        s.petMessage = "甘やかされて " + p + "は成長中です。";
        plusTYPEa(g);
        s.petImage = 9;
        break;
      case 8:
        s.petMessage = "だらぁ～…。干物になったナマコよりも動く気配がありません。";
        plusTYPEn(g);
        s.petImage = 10;
        break;
      default:
        break;
    }
    ClampStatus(s);
    ActiveKivoMain(g, true);
    return true;
  });
}

void plusTYPEo(Game& g) {
  guarded(g, "mdlChange/plusTYPEo ", [&] {
    GameState& s = g.st;
    std::int32_t c = countRun(g, 0, s.countTYPEo);
    s.petImage = 14;
    chk::subFrom(s.manpuku, 2);
    if (c % 10 == 0) chk::addTo(s.maxMp, RandomBetween(g, 5, 15));
    if (c % 9 == 0) chk::addTo(s.brain, RandomBetween(g, 0, 4));
    if (c % 4 == 0) {
      InPutNewWord(g);
    } else if (c % 10 == 0) {
      if (!AnserWordMean(g)) return;
    }
    if (s.otaku >= 100) s.titleFlags[kTitleOtaku] = 1;
  });
}

void plusTYPEs(Game& g) {
  guarded(g, "mdlChange/plusTYPEs ", [&] {
    GameState& s = g.st;
    countRun(g, 1, s.countTYPEs);
    s.petImage = 2;
    if (s.hp > s.maxHp) {
      msgOk(g, "薬の飲み過ぎで" + s.petName + "は鼻血をたらしています。", s.answer1);
      s.hp = s.maxHp;
      return;
    }
    if (s.sukebe >= 70 && s.eventBusy == 0) {
      s.petImage = 15;
      if (!Event_SexHara(g)) return;
    }
    if (s.sukebe >= 100) s.titleFlags[kTitleSukebe] = 1;
  });
}

void plusTYPEu(Game& g) {
  guarded(g, "mdlChange/plusTYPEu ", [&] {
    GameState& s = g.st;
    countRun(g, 2, s.countTYPEu);
    s.petImage = 5;
    if (s.hp < 0) {
      msgOk(g, s.userName + "、あなたはやりすぎです。", s.answer2);
      msgOk(g, s.petName + "は毒を盛られたとも気づかないまま他界しました。", s.answer2);
      s.deadType = "毒殺";
      s.userType = "毒殺犯人";
      s.hp = 0;
    }
    if (s.utaguria > 70) {
      s.petMessage = s.petName + "は疑い深くなっています。";
      s.petImage = 16;
    }
    if (s.utaguria >= 100) s.titleFlags[kTitleUtagai] = 1;
  });
}

void plusTYPEy(Game& g) {
  guarded(g, "mdlChange/plusTYPEy ", [&] {
    GameState& s = g.st;
    std::int32_t c = countRun(g, 3, s.countTYPEy);
    s.petImage = 13;
    chk::subFrom(s.manpuku, 2);
    if (c % 10 == 0) chk::addTo(s.maxHp, RandomBetween(g, 5, 15));
    if (c % 9 == 0) chk::addTo(s.power, RandomBetween(g, 0, 4));
    if (c % 11 == 0) chk::addTo(s.defense, RandomBetween(g, 0, 4));
    if (c % 12 == 0) chk::addTo(s.speed, RandomBetween(g, 0, 4));
    if (s.yantya >= 70 && s.eventBusy == 0) {
      s.petMessage = s.petName + "はやんちゃ盛りです。";
      s.petImage = 7;
      Event_ItaZura(g);
    }
    if (s.yantya >= 100) s.titleFlags[kTitleYantya] = 1;
  });
}

void plusTYPEw(Game& g) {
  guarded(g, "mdlChange/plusTYPEw ", [&] {
    GameState& s = g.st;
    std::int32_t c = countRun(g, 4, s.countTYPEw);
    s.petImage = 11;
    chk::subFrom(s.manpuku, 4);
    if (c % 2 == 0) {
      chk::addTo(s.maxHp, RandomBetween(g, 0, 2));
      chk::subFrom(s.hp, RandomBetween(g, 0, 2));
      if (s.alcohol > 0) {
        s.petMessage = "汗と一緒に体のアルコールもぬけてくる！";
        chk::subFrom(s.alcohol, 1);
        if (s.alcohol == 0)
          msgOk(g, "スポーツに励んだ結果 " + s.petName + "の体からすっかり酒が抜けた！", s.answer2);
      }
    }
    if (c % 5 == 0) {
      chk::addTo(s.power, RandomBetween(g, 0, 2));
      chk::addTo(s.defense, RandomBetween(g, 0, 2));
      chk::addTo(s.speed, RandomBetween(g, 0, 2));
      switch (RandomBetween(g, 0, 2)) {
        case 0:
          s.petMessage = "筋肉こそすべて。まさにそんな感じです。";
          break;
        case 1:
          s.petMessage = "鍛えた体が健全な成長を助けます。";
          break;
        default:
          s.petMessage = "目指せ健康優良児！ スポーツ？ 輝く白い歯！ 歯…！？";
          break;
      }
    }
    if (RandomBetween(g, 0, 6) == 0) Event_KinNiku(g);
    if (s.wild >= 100) s.titleFlags[kTitleWildFunky] = 1;
  });
}

void plusTYPEm(Game& g) {
  guarded(g, "mdlChange/plusTYPEm ", [&] {
    GameState& s = g.st;
    std::int32_t c = countRun(g, 5, s.countTYPEm);
    s.petImage = 12;
    chk::subFrom(s.manpuku, 1);
    if (c % 2 == 0) {
      chk::addTo(s.maxMp, RandomBetween(g, 0, 2));
      chk::subFrom(s.hp, RandomBetween(g, 0, 2));
    }
    if (c % 5 == 0) {
      chk::addTo(s.brain, RandomBetween(g, 0, 2));
      s.petMessage = "すこしづつ賢くなっているようです。";
    }
    if (s.majime >= 100) {
      s.majime = 100;
      chk::addTo(s.titleFlags[kTitleMajime], 1);
    }
    std::int32_t r = RandomBetween(g, 1, 13);
    if (r % 3 == 0) {
      InPutNewWord(g);
    } else if (r == 11) {
      AnserWordMean(g);
    }
  });
}

void plusTYPEa(Game& g) {
  guarded(g, "mdlChange/plusTYPEa ", [&] {
    GameState& s = g.st;
    std::int32_t c = countRun(g, 6, s.countTYPEa);
    s.petImage = 9;
    if (c % 2 == 0) {
      chk::addTo(s.happy, chk::mul<std::int32_t>(3, RandomBetween(g, 0, 2)));
      s.petMessage = "甘やかされています。";
    } else {
      chk::addTo(s.happy, chk::mul<std::int32_t>(5, RandomBetween(g, 0, 2)));
      chk::subFrom(s.manpuku, 1);
      s.petMessage = s.userName + "にかまってもらって嬉しそうです。";
    }
    if (c % 5 == 0) {
      chk::addTo(s.luck, RandomBetween(g, 0, 2));
      s.petMessage = "そして何故か運が向いてきました。";
    }
    if (s.amaenbou >= 100) {
      s.amaenbou = 100;
      chk::addTo(s.titleFlags[kTitleAmaenbo], 1);
    }
  });
}

void plusTYPEn(Game& g) {
  guarded(g, "mdlChange/plusTYPEn ", [&] {
    GameState& s = g.st;
    countRun(g, 7, s.countTYPEn);
    s.petImage = 10;
    if (RandomBetween(g, 0, 2) == 0 && s.alcohol > 0) {
      s.petMessage = "ゆっくりしていると、ついつい酒に手が伸びる…。";
      chk::addTo(s.alcohol, 1);
    }
    chk::subFrom(s.manpuku, 1);
    if (s.condition <= 1) chk::addTo(s.condition, 1);
    if (s.hp >= s.maxHp && s.mp >= s.maxMp) {
      s.petMessage = "今の" + s.petName + "に比べたら3000年前のミイラでさえ働き者にみえます。";
    } else {
      s.petMessage = "少しづつ元気を取り戻してきているようです。";
      chk::addTo(s.hp, RandomBetween(g, 0, 5));
      chk::addTo(s.mp, chk::mul<std::int32_t>(5, RandomBetween(g, 0, 5)));
    }
    if (s.namakemono >= 100) {
      s.namakemono = 100;
      chk::addTo(s.titleFlags[kTitleNamake], 1);
    }
  });
}

void CHANGEsCONDITION(Game& g) {
  guarded(g, "mdlChange/CHANGEsCONDITION ", [&] {
    GameState& s = g.st;
    if (s.condition <= -2) chk::addTo(s.condition, RandomBetween(g, 0, 1));
    if (s.condition >= -1 && s.condition <= 5) {
      int h = s.happy <= 40 ? 0 : (s.happy <= 89 ? 1 : 2);
      chk::addTo(s.condition, RandomBetween(g, 0, h));
      std::int64_t days = 0;
      if (auto born = DateTime::parse(s.startTime)) days = daysBetween(*born, g.now());
      int k = 1;
      if (days >= 41)
        k = 6;
      else if (days >= 31)
        k = 4;
      else if (days >= 20)
        k = 3;
      else if (days >= 12)
        k = 2;
      chk::subFrom(s.condition, RandomBetween(g, 0, k));
    }
    if (s.condition >= 6) {
      chk::addTo(s.condition, RandomBetween(g, 0, 3));
      chk::subFrom(s.condition, RandomBetween(g, 0, 4));
    }
  });
}

bool CONDITIONsCONTOROL(Game& g) {
  return guarded(g, "mdlChange/CONDITIONsCONTOROL ", false, [&] {
    GameState& s = g.st;
    const std::string& p = s.petName;
    std::int32_t c = s.condition;
    if (c <= -10) {
      s.condition = -10;
      chk::subFrom(s.hp, 15);
      s.petMessage = p + "は危篤状態です。";
      s.deadType = "体調悪化死";
      s.petImage = 19;
    } else if (c == -9) {
      chk::subFrom(s.hp, 8);
      s.petMessage = p + "は体調が悪いので死にそうです。";
      s.deadType = "体調悪化死";
      s.petImage = 5;
    } else if (c <= -6) {
      chk::subFrom(s.hp, 5);
      s.petMessage = p + "は体調が悪く体力が奪われています。";
      s.petImage = 18;
    } else if (c <= -3) {
      chk::subFrom(s.hp, 1);
      s.petMessage = p + "の体調が優れません。";
      s.petImage = 10;
    } else if (c <= 2) {
      s.petImage = 0;
    } else if (c <= 5) {
      chk::addTo(s.hp, 2);
      s.petMessage = p + "の体調は快調です。";
      s.petImage = 15;
    } else if (c <= 8) {
      chk::addTo(s.hp, 4);
      s.petMessage = p + "から元気があふれ出ています。";
      s.petImage = 3;
    } else if (c == 9) {
      // Nothing changes, not even the picture.
    } else {
      s.condition = 10;
      chk::addTo(s.hp, 10);
      s.petMessage = p + "は、これでもか！ ってぐらい元気です。";
      s.petImage = 7;
    }
    return true;
  });
}

}  // namespace myu
