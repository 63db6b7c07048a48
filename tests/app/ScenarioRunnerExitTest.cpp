// The scenario runner's exit status: a script that should fail must really fail.
#include <gtest/gtest.h>

#include <sstream>

#include "app/scenario/ScenarioRunner.h"

namespace myu {
namespace {

struct Outcome {
  int status;
  std::string out;
};

Outcome run(const std::string& script) {
  std::ostringstream out, err;
  ScenarioRunner runner(out, err);
  int status = runner.run(script, "test.scn");
  return {status, out.str() + err.str()};
}

TEST(ScenarioRunnerExit, Statuses) {
  struct Case {
    const char* script;
    int status;
  } cases[] = {
      {"set hp 5\nexpect hp 5\n", 0},
      {"set hp 5\nexpect hp 6\nexpect hp 5\n", 1},  // a failed expect fails the run, which goes on
      {"answer 1\n", 1},                            // an answer left unused
      {"input hello\n", 1},                         // an input left unused
      {"random 3\n", 1},                            // a draw left unused
      {"random 9\ncall RandomBetween 1 6\n", 1},    // a draw outside the bounds asked for
      {"call ErrorHandle 5 x ミュルカ L\n", 1},     // a box with nothing queued, auto off
      {"auto on\ncall ErrorHandle 5 x ミュルカ L\n", 0},
      {"expectcall CutAtNul abc abc\n", 0},
      {"expectcall CutAtNul abc abd\n", 1},
      {"frobnicate\n", 2},
      {"put \"a.ini\n", 2},  // unclosed quote
      {"expect hp\n", 2},
      {"set hp notanumber\n", 2},
      {"set waraiDake True\nexpect waraiDake -1\n", 1},  // a Boolean reads True, not -1
      {"set waraiDake maybe\n", 2},
      {"set hp True\n", 2},  // other integer fields take numbers only
  };
  for (const auto& c : cases) {
    Outcome r = run(c.script);
    EXPECT_EQ(r.status, c.status) << c.script << "\n" << r.out;
  }
}

TEST(ScenarioRunnerExit, AFailedExpectSaysWhat) {
  Outcome r = run("set petName ぴよ\nexpect petName ぴよこ\n");
  EXPECT_NE(r.out.find("expect FAILED: petName is \"ぴよ\", expected \"ぴよこ\""),
            std::string::npos)
      << r.out;
}

// Every command takes a fixed count of arguments or, for the few that take lists, at least
// some: a line with one more or one less cannot be read, and none of it runs.
TEST(ScenarioRunnerExit, ALineWithAnArgumentTooManyOrTooFewIsUnreadable) {
  struct Case {
    const char* line;
    const char* says;
  } cases[] = {
      {"folder a b", "folder takes 1 argument, not 2"},
      {"put a.ini x y", "put takes 2 arguments, not 3"},
      {"clock 2026/01/01 09:00:00 x", "clock takes 2 arguments, not 3"},
      {"wait 1 2", "wait takes 1 argument, not 2"},
      {"seed 1 2", "seed takes 1 argument, not 2"},
      {"trace on x", "trace takes 1 argument, not 2"},
      {"auto on x", "auto takes 1 argument, not 2"},
      {"input a b", "input takes at most 1 argument, not 2"},
      {"screen 1 2 3", "screen takes 2 arguments, not 3"},
      {"instance running x", "instance takes 1 argument, not 2"},
      {"start x", "start takes 0 arguments, not 1"},
      {"tick 1 2", "tick takes 1 argument, not 2"},
      {"timer frmKivoMain.CountTime 1 2", "timer takes 2 arguments, not 3"},
      {"click frmKivoMain.Command5 x", "click takes 1 argument, not 2"},
      {"dblclick frmKivoMain.Picture1 x", "dblclick takes 1 argument, not 2"},
      {"rclick frmKivoMain.Picture1 x", "rclick takes 1 argument, not 2"},
      {"select frmKivoMain.List1 0 1", "select takes 2 arguments, not 3"},
      {"type frmKivoMain.Text1 a b", "type takes 2 arguments, not 3"},
      {"close frmKivoMain x", "close takes 1 argument, not 2"},
      {"key frmKivoMain 13 1", "key takes 2 arguments, not 3"},
      {"set hp 5 6", "set takes 2 arguments, not 3"},
      {"get hp x", "get takes 1 argument, not 2"},
      {"expect hp 0 0", "expect takes 2 arguments, not 3"},
      {"expectfile a.ini True x", "expectfile takes 2 arguments, not 3"},
      {"show a.ini x", "show takes 1 argument, not 2"},
      {"ls x", "ls takes 0 arguments, not 1"},
      {"expect hp", "expect needs 2 arguments, not 1"},
      {"putbytes a.bin", "putbytes needs at least 2 arguments, not 1"},
      {"drop frmKivoMain.Picture1", "drop needs at least 2 arguments, not 1"},
      {"call", "call needs at least 1 argument, not 0"},
      {"expectcall CutAtNul", "expectcall needs at least 2 arguments, not 1"},
  };
  for (const auto& c : cases) {
    Outcome r = run(std::string("set hp 5\n") + c.line + "\n");
    EXPECT_EQ(r.status, 2) << c.line << "\n" << r.out;
    EXPECT_EQ(r.out, std::string("error line 2: ") + c.says + "\ntest.scn:2: " + c.says + "\n")
        << c.line;
  }
}

TEST(ScenarioRunnerExit, ListsTakeAnyCount) {
  struct Case {
    const char* script;
    int status;
  } cases[] = {
      {"putbytes a.ini 5B535D 0D0A 4B3D 41 42\nexpectcall GetStringA S K x a.ini \"1 AB\"\n", 0},
      {"random 1 2 3\ncall RandomBetween 1 3\ncall RandomBetween 1 3\n"
       "call RandomBetween 1 3\n",
       0},
      {"answer\nrandom\n", 0},
      {"input\n", 1},  // a cancel queued and left unused
      // The old reading cut the line after its second argument and let this pass.
      {"set petName ぴよ\nexpect petName ぴよ こ\n", 2},
  };
  for (const auto& c : cases) {
    Outcome r = run(c.script);
    EXPECT_EQ(r.status, c.status) << c.script << "\n" << r.out;
  }
}

TEST(ScenarioRunnerFields, BooleansPrintTrueAndFalse) {
  Outcome r =
      run("set waraiDake True\nget waraiDake\nset kindanState -1\nget kindanState\n"
          "set eventBusy False\nget eventBusy\nset hp -1\nget hp\n");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out,
            "get waraiDake = True\nget kindanState = True\nget eventBusy = False\n"
            "get hp = -1\n");
}

// A first run up to the pet window, whose timers the cases read.
const char* const kFirstRun =
    "answer 1 1\nstart\ntype frmFirstProfile.Text1 たろう\ntype frmFirstProfile.Text3 25\n"
    "type frmFirstProfile.Text4 ぴよ\nanswer 6\n"
    "random 15 16 17 18 19 20 21 22 23 15 16 17 18 50 60 2 80 90\n"
    "click frmFirstProfile.Command1\n";

TEST(ScenarioRunnerTimers, ATimerIsAControlOfItsWindow) {
  struct Case {
    const char* line;
    int status;
  } cases[] = {
      {"expect frmKivoMain.CountTime.enabled True", 0},
      {"expect frmKivoMain.CountTime.enabled 1", 1},
      {"expect frmKivoMain.TimeTimer.enabled False", 0},
      {"expect frmKivoMain.TimeTimer.interval 250", 0},
      {"expect frmKivoMain.CountTime.timer True", 0},
      {"get frmKivoMain.CountTime.caption", 2},  // a timer has no caption
      {"get frmKivoMain.NoSuchTimer.enabled", 2},
      {"get frmKivoMain.Command11.timer", 2},  // a button is no timer
  };
  for (const auto& c : cases) {
    Outcome r = run(std::string(kFirstRun) + c.line + "\n");
    EXPECT_EQ(r.status, c.status) << c.line << "\n" << r.out;
    // A line that cannot be read prints its error and no half of a get.
    if (c.status == 2) {
      EXPECT_EQ(r.out.find("get frmKivoMain"), std::string::npos) << c.line << "\n" << r.out;
    }
  }
}

TEST(ScenarioRunnerSplit, QuotesAndEscapes) {
  EXPECT_EQ(splitScriptLine(R"(put a.ini "[S]\r\nK=a b\x41\"\\")"),
            (std::vector<std::string>{"put", "a.ini", "[S]\r\nK=a bA\"\\"}));
  EXPECT_THROW(splitScriptLine("put \"open"), std::invalid_argument);
}

}  // namespace
}  // namespace myu
