// myuruka-scenario FILE... (or - for standard input): runs scenario scripts headless.
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/scenario/ScenarioRunner.h"
#include "kernel/Game.h"
#include "platform/CommandLine.h"

int main(int argc, char** argv) {
  // The transcript is the same bytes on every system.
  myu::useBinaryStandardStreams();
  const std::vector<std::string> args = myu::commandLineArguments(argc, argv);
  if (args.size() < 2) {
    std::cerr << "usage: myuruka-scenario FILE... (or - for standard input)\n";
    return 2;
  }
  int worst = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& name = args[i];
    std::stringstream script;
    if (name == "-") {
      script << std::cin.rdbuf();
    } else {
      std::ifstream in(myu::u8path(name), std::ios::binary);
      if (!in) {
        std::cerr << name << ": cannot read\n";
        return 2;
      }
      script << in.rdbuf();
    }
    myu::ScenarioRunner runner(std::cout, std::cerr);
    int rc = runner.run(script.str(), name);
    if (rc > worst) worst = rc;
    if (rc == 2) break;
  }
  return worst;
}
