// The command line and the standard streams of our command-line programs (the scenario runner,
// the food files' cook), the same on every system: arguments in UTF-8, and bytes written and
// read exactly as they are.
#pragma once

#include <string>
#include <vector>

namespace myu {

// The program's arguments in UTF-8, argv[0] first. Windows hands main() its arguments in the
// ANSI code page, which cannot carry every name: there they are taken from the wide command
// line instead.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Puts standard input, output and error into binary mode (Windows would turn every "\n" into
// "\r\n" and stop reading at a Ctrl-Z), and a console into UTF-8. Nothing to do elsewhere.
void useBinaryStandardStreams();

}  // namespace myu
