#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "feeding/FoodRecord.h"
#include "feeding/frmServe.h"
#include "kernel/FileBrowser.h"
#include "kernel/UserInput.h"
#include "platform/Sjis.h"
#include "platform/VbError.h"
#include "support/TestGame.h"

namespace myu {
namespace {

std::string readFile(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

std::string fixture(const std::string& name) {
  return readFile(std::filesystem::path(MYURUKA_TEST_DATA) / "feeding" / name);
}

class FeedingWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    t.st().petName = "ぴよ";
    t.st().userName = "太郎";
    t.st().hp = 100;
    t.st().maxHp = 100;
    t.st().mp = 10;
    t.st().manpuku = 10;
  }
  // Opens the window (the scripted host returns at once) with neither random item drawn.
  frmServe& open() {
    t.random.queued = {2, 2};
    frmServe& f = t.game().form<frmServe>();
    t.game().show(f, true);
    return f;
  }
  void pick(frmServe& f, const std::string& file, int dish) {
    Control& files = f.ctl("File1");
    auto it = std::find(files.items.begin(), files.items.end(), file);
    ASSERT_NE(it, files.items.end()) << file;
    userSelect(f, "File1", static_cast<int>(it - files.items.begin()));
    if (dish >= 0) userSelect(f, "List1", dish);
  }
  void answers(std::initializer_list<int> a) { t.dialogs.answers.assign(a); }

  test::TestGame t;
};

TEST_F(FeedingWindow, servingTakesOneServingFromTheRecordAndNothingElse) {
  t.putBytes("food.krp", fixture("serving/before.krp"));
  frmServe& f = open();
  pick(f, "food.krp", 1);
  EXPECT_EQ(f.ctl("Text1").text, "10");
  EXPECT_EQ(f.ctl("Text2").text, "12");
  answers({1});
  userClick(f, "Command1");
  EXPECT_EQ(t.bytes("food.krp"), fixture("serving/after.krp"));
  EXPECT_EQ(t.st().manpuku, 22);
  EXPECT_NE(t.transcript().find("ぴよは12 ポイント お腹いっぱいになりました。"), std::string::npos);
  EXPECT_EQ(t.game().findForm("frmServe"), nullptr);
}

TEST_F(FeedingWindow, cookingAppendsOneRecordAndSpendsMp) {
  t.putBytes("food.krp", fixture("cooking/before.krp"));
  t.st().mp = 200;
  frmServe& f = open();
  pick(f, "food.krp", -1);
  EXPECT_TRUE(f.ctl("Command5").enabled);
  answers({6, 1, 1, 1});
  t.dialogs.inputs = {std::string("焼きそば")};
  t.random.queued = {33, 30};
  t.clearTranscript();
  userClick(f, "Command5");
  EXPECT_EQ(t.bytes("food.krp"), fixture("cooking/after.krp"));
  EXPECT_EQ(t.st().mp, 50);
  std::string tr = t.transcript();
  EXPECT_NE(tr.find("満腹度は10 です。"), std::string::npos) << tr;
  EXPECT_NE(tr.find("ＭＰを150消費しました。"), std::string::npos) << tr;
  EXPECT_NE(tr.find("を\\r\\n4  個 料理しました。"), std::string::npos) << tr;
  EXPECT_EQ(t.game().findForm("frmServe"), nullptr);
}

TEST_F(FeedingWindow, damagedFileIsListedAsFarAsItCanBeRead) {
  t.putBytes("food.krp", fixture("damaged/food.krp"));
  frmServe& f = open();
  pick(f, "food.krp", -1);
  const auto& items = f.ctl("List1").items;
  ASSERT_EQ(items.size(), 4u);  // three whole records and the one cut short
  EXPECT_EQ(items[1], "パン");
  EXPECT_EQ(items[2], "ごはん");
  EXPECT_EQ(items[3], "スープ");
  userSelect(f, "List1", 2);
  EXPECT_EQ(f.ctl("Text1").text, "2");
}

TEST_F(FeedingWindow, brokenDishIsReportedAndChangesNeitherPetNorFile) {
  t.putBytes("food.krp", fixture("damaged/food.krp"));
  const std::string before = t.bytes("food.krp");
  frmServe& f = open();
  pick(f, "food.krp", 1);  // fullness "1x"
  answers({1});
  userClick(f, "Command1");
  EXPECT_EQ(t.st().manpuku, 10);
  EXPECT_EQ(t.bytes("food.krp"), before);
  EXPECT_NE(t.text("KivoError.log").find("frmServe/SPEND_ITEM ErrorHandle:(13)"),
            std::string::npos);
  EXPECT_NE(t.transcript().find("型が一致しません。"), std::string::npos);
  EXPECT_NE(t.game().findForm("frmServe"), nullptr);
  // The record cut short has no servings: the empty plate.
  userSelect(f, "List1", 3);
  answers({1});
  userClick(f, "Command1");
  EXPECT_EQ(t.bytes("food.krp"), before);
  EXPECT_NE(t.transcript().find("お皿をひっくり返しても"), std::string::npos);
}

TEST_F(FeedingWindow, servingKeepsTheBytesOfANameItCannotRead) {
  t.putBytes("food.krp", fixture("damaged/food.krp"));
  std::string expected = t.bytes("food.krp");
  expected.replace(50, 3, "2  ");
  frmServe& f = open();
  pick(f, "food.krp", 0);
  answers({1});
  userClick(f, "Command1");
  EXPECT_EQ(t.st().manpuku, 15);
  EXPECT_EQ(t.bytes("food.krp"), expected);
}

TEST_F(FeedingWindow, readOnlyFoodFileRefusesServingAndCooking) {
  t.putBytes("food.krp", fixture("serving/before.krp"));
  std::filesystem::permissions(t.folder / "food.krp", std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read |
                                                          std::filesystem::perms::others_read);
  t.st().mp = 200;
  frmServe& f = open();
  pick(f, "food.krp", 0);
  answers({1});
  userClick(f, "Command1");
  answers({1});
  userClick(f, "Command5");
  EXPECT_EQ(t.st().manpuku, 10);
  EXPECT_EQ(t.st().mp, 200);
  EXPECT_EQ(t.bytes("food.krp"), fixture("serving/before.krp"));
  EXPECT_NE(t.transcript().find("読み取り専用"), std::string::npos);
  EXPECT_NE(t.game().findForm("frmServe"), nullptr);
  std::filesystem::permissions(t.folder / "food.krp", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

TEST_F(FeedingWindow, aFileThatVanishedIsReportedNotMadeAgain) {
  t.putBytes("food.krp", fixture("serving/before.krp"));
  frmServe& f = open();
  std::filesystem::remove(t.folder / "food.krp");
  answers({1});
  pick(f, "food.krp", -1);
  EXPECT_FALSE(std::filesystem::exists(t.folder / "food.krp"));
  EXPECT_NE(t.text("KivoError.log").find("frmServe/OPENDAT2 ErrorHandle:(53)"), std::string::npos);
  EXPECT_FALSE(f.ctl("Frame3").visible);
}

TEST_F(FeedingWindow, listsOnlyFoodFilesAndTheFoldersBesideThem) {
  t.put("a.krp", "");
  t.put("B.KRP", "");
  t.put("note.txt", "x");
  t.put("箱/c.krp", "");
  std::filesystem::create_directories(t.folder / "Desktop");
  frmServe& f = open();
  EXPECT_EQ(f.ctl("File1").items, (std::vector<std::string>{"B.KRP", "a.krp"}));
  EXPECT_EQ(f.ctl("File1").pattern, "*.krp");
  const auto& dirs = f.ctl("Dir1").items;
  const auto box = std::find_if(dirs.begin(), dirs.end(), [](const std::string& row) {
    return row.size() > 7 && row.compare(row.size() - 7, 7, "▷ 箱") == 0;
  });
  ASSERT_NE(box, dirs.end());
  pick(f, "a.krp", -1);
  EXPECT_TRUE(f.ctl("Frame3").visible);
  userSelect(f, "Dir1", static_cast<int>(box - dirs.begin()));
  userDblClick(f, "Dir1");
  EXPECT_EQ(f.ctl("File1").items, std::vector<std::string>{"c.krp"});
  // The dishes of a file in the old folder are not offered any more.
  EXPECT_FALSE(f.ctl("Frame3").visible);
  EXPECT_TRUE(f.ctl("List1").items.empty());
  const auto& places = f.ctl("Drive1").items;
  auto canon = pathToUtf8(std::filesystem::weakly_canonical(t.folder));
#ifdef _WIN32
  // The drive list offers the drives and shows the program folder's.
  const std::string drive = canon.substr(0, 2);
  EXPECT_NE(std::find(places.begin(), places.end(), drive), places.end());
  EXPECT_EQ(f.ctl("Drive1").text, drive);
#else
  // The drive list offers the pet's folder and the desktop, and shows the pet's folder, which
  // holds the folder shown.
  const std::string petFolder = placeLine({"ペットのフォルダ", canon});
  EXPECT_NE(std::find(places.begin(), places.end(), petFolder), places.end());
  EXPECT_NE(
      std::find(places.begin(), places.end(), placeLine({"デスクトップ", canon + "/Desktop"})),
      places.end());
  EXPECT_EQ(f.ctl("Drive1").text, petFolder);
  EXPECT_EQ(f.ctl("Drive1").path, canon);
#endif
}

TEST_F(FeedingWindow, aDriveThatCannotBeReadLeavesTheListsAlone) {
#ifdef _WIN32
  GTEST_SKIP() << "a drive of Windows cannot be taken away in a test";
#endif
  std::filesystem::create_directories(t.folder / "Desktop");
  frmServe& f = open();
  const Control before = f.ctl("Dir1");
  const Control drive = f.ctl("Drive1");
  const auto desktop =
      std::find_if(drive.items.begin(), drive.items.end(),
                   [](const std::string& s) { return s.rfind("デスクトップ", 0) == 0; });
  ASSERT_NE(desktop, drive.items.end());
  std::filesystem::remove(t.folder / "Desktop");
  answers({1});
  userSelect(f, "Drive1", static_cast<int>(desktop - drive.items.begin()));
  EXPECT_EQ(f.ctl("Dir1"), before);
  EXPECT_EQ(f.ctl("Drive1"), drive);  // back on the place of the folder shown
  EXPECT_NE(t.transcript().find(
                "msgbox style=48 title=\"ミュルカ Error\" "
                "text=\"えっと、そのディレクトリはほんとに有効かめ？\\r\\nというか亀！！！？\""),
            std::string::npos)
      << t.transcript();
}

// The boxes a scene shows, in order: style and text of every message box.
std::vector<std::string> boxes(const std::string& transcript) {
  std::vector<std::string> out;
  std::istringstream in(transcript);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("msgbox ", 0) != 0) continue;
    auto style = line.substr(7, line.find(' ', 7) - 7);
    auto text = line.find("text=\"");
    auto end = line.rfind("\" -> ");
    out.push_back(style + " " + line.substr(text + 6, end - text - 6));
  }
  return out;
}

TEST_F(FeedingWindow, scenesShowTheirBoxesInOrder) {
  struct Scene {
    std::string button;
    std::vector<int> answers;
    std::vector<std::string> expected;
  };
  const Scene scenes[] = {
      {"potion4", {1}, {"style=0 ぴよの熱が下がってきた。"}},
      {"poison4",
       {1, 1, 1, 1, 1, 1},
       {"style=0 あふぅ……。なんか……。", "style=0 ぴよの体力が上がった！",
        "style=0 ぴよの攻撃力が上がった！", "style=48 副作用だ！",
        "style=48 ぴよの賢さが下がった！", "style=48 ぴよの防御力が下がった！"}},
      {"poison8",
       {1, 1, 1, 1, 1, 1, 1, 1},
       {"style=0 ほんの・・・すこし・・・・・・。", "style=64 おぉうぅ♪",
        "style=64 ぴよは覚醒した！！", "style=0 ぴよの知能は倍になった！！",
        "style=0 ぴよの攻撃力は倍になった！！", "style=0 ぴよの防御力は倍になった！！",
        "style=0 ぴよのスピードは倍になった！！", "style=0 ぴよは中毒症状に陥った！！"}},
      {"poison10",
       {1, 1, 1, 1, 6, 1},
       {"style=0 幻の茸アオウミダケを見つけた！",
        "style=0 これは強烈な毒だだが、お前の潜在の能力を引き出してくれる。",
        "style=0 弱きものは直ぐに死ぬだろう……ニヤリ。",
        "style=0 また運無きものも同じ道を歩むことだろう……。", "style=4 挑戦するか…？",
        "style=0 やはり挑戦するには百万年…早かったようだな。"}},
  };
  for (const auto& scene : scenes) {
    t.st().hp = 50;
    t.st().maxHp = 100;
    t.st().condition = -5;
    t.st().happy = 50;
    t.st().brain = 81;
    t.st().junk = 0;
    t.st().otaku = 100;
    t.st().sukebe = 100;
    t.st().majime = 100;
    t.st().wild = 100;
    t.st().namakemono = 100;
    t.random.queued = {2, 1};
    frmServe& f = t.game().form<frmServe>();
    t.game().show(f, true);
    ASSERT_TRUE(f.ctl(scene.button).enabled) << scene.button;
    t.clearTranscript();
    t.dialogs.answers.assign(scene.answers.begin(), scene.answers.end());
    t.random.queued = {1};
    userClick(f, scene.button);
    t.random.queued.clear();
    EXPECT_EQ(boxes(t.transcript()), scene.expected) << scene.button;
    EXPECT_EQ(t.game().findForm("frmServe"), nullptr) << scene.button;
  }
  EXPECT_EQ(t.st().hp, 0);
  EXPECT_EQ(t.st().deadType, "アオウミダケ死");
  EXPECT_EQ(t.st().petMessage, "ぴよの調子が少しよくなった。");
}

TEST_F(FeedingWindow, theBirdCheckReadsTheWholeNameField) {
  // A zero byte hides the rest of the name from the list, not from the pet.
  FoodRecord dish;
  dish.setName("カレー");
  dish.setRemain(3);
  dish.setFullness(9);
  dish.bytes[9] = '\0';
  dish.bytes.replace(10, 4, *toCp932("ドリ"));
  t.putBytes("food.krp", dish.bytes);
  frmServe& f = open();
  pick(f, "food.krp", 0);
  EXPECT_EQ(f.ctl("List1").items[0], "カレー");
  t.clearTranscript();
  answers({1});
  userClick(f, "Command1");
  EXPECT_EQ(boxes(t.transcript()),
            std::vector<std::string>{
                "style=0 あんた、おいらがいくら腹減ってても共食いできるわきゃないでしょ！"});
  EXPECT_EQ(t.st().manpuku, 10);
}

TEST_F(FeedingWindow, dropsThatAreRefusedSaySo) {
  t.put("箱/a.krp", "");
  t.put("箱/memo.txt", "x");
  t.put("箱/noext", "x");
  t.put("箱/B.KRP", "");
  struct Drop {
    std::vector<std::string> files;
    std::string expected;  // the one box, or "" for none
  };
  const Drop drops[] = {
      {{"箱/a.krp", "箱/memo.txt"},
       "style=64 そんないっぺんにいっぱいファイル持ってこないでよ！！"},
      {{}, "style=64 うん？ フォルダじゃなくってファイルもってきてちょ。"},
      {{"箱/memo.txt"},
       "style=0 ドロップされたファイルの拡張子は『txt』で、指定されている『krp』とは異なります。"},
      {{"箱/B.KRP"},
       "style=0 ドロップされたファイルの拡張子は『KRP』で、指定されている『krp』とは異なります。"},
      {{"箱/noext"},
       "style=0 ドロップされたファイルの拡張子は『』で、指定されている『krp』とは異なります。"},
      {{"箱"}, ""},
  };
  frmServe& f = open();
  for (const auto& d : drops) {
    std::vector<std::string> paths;
    for (const auto& name : d.files) paths.push_back(pathToUtf8(t.folder / u8path(name)));
    t.clearTranscript();
    if (!d.expected.empty()) answers({1});
    userDrop(f, "File1", paths);
    auto shown = boxes(t.transcript());
    EXPECT_EQ(shown, d.expected.empty() ? std::vector<std::string>{}
                                        : std::vector<std::string>{d.expected});
    EXPECT_FALSE(f.ctl("Frame3").visible);
  }
  userDrop(f, "File1", {pathToUtf8(t.folder / u8path("箱/a.krp"))});
  EXPECT_TRUE(f.ctl("Frame3").visible);
  EXPECT_EQ(f.ctl("File1").text, "a.krp");
  EXPECT_EQ(f.ctl("List1").items, std::vector<std::string>{""});
}

TEST(FoodRecordNumbers, readsFieldsAsThePlatformDoes) {
  struct Case {
    std::string field;
    double leading;
    int integer;  // -1000: type mismatch
  };
  const Case cases[] = {
      {"12 ", 12, 12},
      {" 7 ", 7, 7},
      {"0  ", 0, 0},
      {"-3 ", -3, -3},
      {"   ", 0, -1000},
      {"1x ", 1, -1000},
      {"x1 ", 0, -1000},
      {std::string("5\0 ", 3), 5, 5},
      {"+4 ", 4, 4},
      {std::string("\0\0\0", 3), 0, -1000},
      // A decimal fraction: Val keeps it, the conversion rounds halves to the even number.
      {"1.5", 1.5, 2},
      {"2.5", 2.5, 2},
      {"0.5", 0.5, 0},
      {".51", 0.51, 1},
      {"-.6", -0.6, -1},
      {"1.2.", 1.2, -1000},
      {".  ", 0, -1000},
      // Val skips blanks between digits too.
      {"1 2", 12, -1000},
  };
  for (const auto& c : cases) {
    std::string text = trimField(c.field);
    EXPECT_DOUBLE_EQ(leadingNumber(text), c.leading) << c.field;
    if (c.integer == -1000) {
      EXPECT_THROW(toInteger16(text), VbError) << c.field;
    } else {
      EXPECT_EQ(toInteger16(text), c.integer) << c.field;
    }
  }
}

TEST(FoodRecordNumbers, numbersThatDoNotFitThreeBytesAreHeldNotCut) {
  FoodRecord r;
  r.setRemain(1250);
  r.setFullness(-150);
  EXPECT_EQ(r.remainBytes(), "999");
  EXPECT_EQ(r.fullnessBytes(), "-99");
  r.setName("あいうえおかきくけこさしすせそたちつてとなにぬねのは");  // 52 bytes
  EXPECT_EQ(r.name(), "あいうえおかきくけこさしすせそたちつてとなにぬねの");
}

}  // namespace
}  // namespace myu
