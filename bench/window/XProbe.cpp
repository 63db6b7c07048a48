// A small X client for bench/window-cpu.sh.
//   myuruka-xprobe map PROGRAM [ARG...]
//     starts the program and waits for the MapNotify of a top-level window whose _NET_WM_PID
//     is the program's; prints "PID WINDOW MILLISECONDS" (the time from just before the
//     start to the map event) and leaves the program running, its output on the standard
//     error. Exits 1 after 30 s without one.
//   myuruka-xprobe moves SECONDS WINDOW...
//     counts, for each window, the ConfigureNotify events that changed its position during
//     that many seconds; prints one count a line.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long windowPid(Display* d, Window w) {
  static const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  long pid = -1;
  if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) == Success &&
      data != nullptr && count == 1 && format == 32)
    pid = *reinterpret_cast<long*>(data);
  if (data != nullptr) XFree(data);
  return pid;
}

// Waits for the next X event until the deadline; false when the time is up.
bool nextEvent(Display* d, XEvent& e, Clock::time_point deadline) {
  while (XPending(d) == 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    poll(&p, 1, static_cast<int>(left));
  }
  XNextEvent(d, &e);
  return true;
}

int waitForMap(Display* d, char** argv) {
  const Window root = DefaultRootWindow(d);
  XSelectInput(d, root, SubstructureNotifyMask);
  XSync(d, False);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) return 2;
  if (pid == 0) {
    // The program's own output goes to the standard error: whoever reads this tool's line
    // must not wait for the program to close the standard output.
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(argv[0], argv);
    std::perror(argv[0]);
    _exit(127);
  }
  const auto deadline = start + std::chrono::seconds(30);
  XEvent e;
  while (nextEvent(d, e, deadline)) {
    if (e.type != MapNotify || e.xmap.event != root || e.xmap.override_redirect) continue;
    if (windowPid(d, e.xmap.window) != pid) continue;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%d 0x%lx %.1f\n", static_cast<int>(pid), e.xmap.window, ms);
    return 0;
  }
  std::fprintf(stderr, "no window of %s was mapped within 30 s\n", argv[0]);
  return 1;
}

int countMoves(Display* d, int seconds, const std::vector<Window>& windows) {
  std::map<Window, std::pair<int, int>> last;
  std::map<Window, long> moves;
  for (Window w : windows) {
    XSelectInput(d, w, StructureNotifyMask);
    XWindowAttributes a;
    if (XGetWindowAttributes(d, w, &a) != 0) last[w] = {a.x, a.y};
    moves[w] = 0;
  }
  XSync(d, False);
  const auto deadline = Clock::now() + std::chrono::seconds(seconds);
  XEvent e;
  while (nextEvent(d, e, deadline)) {
    if (e.type != ConfigureNotify) continue;
    const Window w = e.xconfigure.window;
    const std::pair<int, int> at{e.xconfigure.x, e.xconfigure.y};
    if (!moves.contains(w) || last[w] == at) continue;
    last[w] = at;
    ++moves[w];
  }
  for (Window w : windows) std::printf("%ld\n", moves[w]);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (std::strcmp(argv[1], "map") != 0 && std::strcmp(argv[1], "moves") != 0)) {
    std::fprintf(stderr,
                 "usage: %s map PROGRAM [ARG...]\n"
                 "       %s moves SECONDS WINDOW...\n",
                 argv[0], argv[0]);
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) {
    std::fprintf(stderr, "cannot open the display\n");
    return 2;
  }
  if (std::strcmp(argv[1], "map") == 0) return waitForMap(d, argv + 2);
  std::vector<Window> windows;
  for (int i = 3; i < argc; ++i) windows.push_back(std::strtoul(argv[i], nullptr, 0));
  return countMoves(d, std::atoi(argv[2]), windows);
}
