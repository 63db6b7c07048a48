// myuruka-scenario FILE... (or - for standard input): runs scenario scripts headless.
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/scenario/ScenarioRunner.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: myuruka-scenario FILE... (or - for standard input)\n";
    return 2;
  }
  int worst = 0;
  for (int i = 1; i < argc; ++i) {
    std::string name = argv[i];
    std::stringstream script;
    if (name == "-") {
      script << std::cin.rdbuf();
    } else {
      std::ifstream in(name, std::ios::binary);
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
