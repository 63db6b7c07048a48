// Writes a food file ("*.krp") from a readable list of dishes: one dish a line in UTF-8,
// "name<TAB>servings<TAB>fullness". Blank lines and lines starting with # are skipped.
//   makefood OUTPUT.krp INPUT.txt
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "feeding/FoodRecord.h"
#include "kernel/Game.h"
#include "platform/CommandLine.h"
#include "platform/Sjis.h"

int main(int argc, char** argv) {
  myu::useBinaryStandardStreams();
  const std::vector<std::string> args = myu::commandLineArguments(argc, argv);
  if (args.size() != 3) {
    std::cerr << "usage: makefood OUTPUT.krp INPUT.txt\n";
    return 2;
  }
  std::ifstream in(myu::u8path(args[2]), std::ios::binary);
  if (!in) {
    std::cerr << "makefood: cannot read " << args[2] << "\n";
    return 1;
  }
  std::string out;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, remain, fullness;
    if (!std::getline(fields, name, '\t') || !std::getline(fields, remain, '\t') ||
        !std::getline(fields, fullness, '\t')) {
      std::cerr << args[2] << ":" << lineNo << ": expected name, servings and fullness\n";
      return 1;
    }
    if (!myu::fitsCp932(name) || myu::sjisLength(name) > 50) {
      std::cerr << args[2] << ":" << lineNo << ": the name does not fit a food record\n";
      return 1;
    }
    myu::FoodRecord r;
    r.setName(name);
    r.setRemain(std::stoi(remain));
    r.setFullness(std::stoi(fullness));
    out += r.bytes;
  }
  std::ofstream file(myu::u8path(args[1]), std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  if (!file) {
    std::cerr << "makefood: cannot write " << args[1] << "\n";
    return 1;
  }
  return 0;
}
