#include "platform/Screens.h"

#include <algorithm>
#include <cstdint>

namespace myu {
namespace {

// Half-open rectangles in 64 bits, so that no sum of two twip values overflows.
struct Box {
  std::int64_t left, top, right, bottom;
};

Box boxOf(const ScreenArea& s) {
  return {s.left, s.top, static_cast<std::int64_t>(s.left) + std::max(s.width, 0),
          static_cast<std::int64_t>(s.top) + std::max(s.height, 0)};
}

Box boxOf(int left, int top, int width, int height) {
  return {left, top, static_cast<std::int64_t>(left) + std::max(width, 0),
          static_cast<std::int64_t>(top) + std::max(height, 0)};
}

std::int64_t overlap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1) {
  return std::max<std::int64_t>(0, std::min(a1, b1) - std::max(a0, b0));
}

// How far apart two boxes are along one axis (0 when they overlap or touch).
std::int64_t gap(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1) {
  if (b0 >= a1) return b0 - a1;
  if (a0 >= b1) return a0 - b1;
  return 0;
}

}  // namespace

ScreenArea monitorOf(const std::vector<ScreenArea>& monitors, int left, int top, int width,
                     int height) {
  if (monitors.empty()) return ScreenArea{};
  // A window without a size is a point: give it one twip so that it lies on something.
  const Box w = boxOf(left, top, std::max(width, 1), std::max(height, 1));
  const ScreenArea* best = nullptr;
  double bestArea = 0;
  for (const ScreenArea& m : monitors) {
    const Box b = boxOf(m);
    const double area = static_cast<double>(overlap(w.left, w.right, b.left, b.right)) *
                        static_cast<double>(overlap(w.top, w.bottom, b.top, b.bottom));
    if (area > bestArea) {
      bestArea = area;
      best = &m;
    }
  }
  if (best != nullptr) return *best;
  double bestDistance = -1;
  for (const ScreenArea& m : monitors) {
    const Box b = boxOf(m);
    const auto dx = static_cast<double>(gap(w.left, w.right, b.left, b.right));
    const auto dy = static_cast<double>(gap(w.top, w.bottom, b.top, b.bottom));
    const double distance = dx * dx + dy * dy;
    if (bestDistance < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = &m;
    }
  }
  return *best;
}

bool onDesktop(const std::vector<ScreenArea>& monitors, int left, int top, int width, int height) {
  // The window with its one-twip border: [left − 1, left + width + 1) across, the same down.
  const Box w{static_cast<std::int64_t>(left) - 1, static_cast<std::int64_t>(top) - 1,
              static_cast<std::int64_t>(left) + std::max(width, 0) + 1,
              static_cast<std::int64_t>(top) + std::max(height, 0) + 1};
  // Cut it along every monitor edge inside it; each piece is either wholly on one monitor or
  // wholly off them all, so its top-left corner tells.
  std::vector<std::int64_t> xs{w.left, w.right}, ys{w.top, w.bottom};
  for (const ScreenArea& m : monitors) {
    const Box b = boxOf(m);
    for (std::int64_t x : {b.left, b.right})
      if (x > w.left && x < w.right) xs.push_back(x);
    for (std::int64_t y : {b.top, b.bottom})
      if (y > w.top && y < w.bottom) ys.push_back(y);
  }
  std::sort(xs.begin(), xs.end());
  std::sort(ys.begin(), ys.end());
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    if (xs[i] == xs[i + 1]) continue;
    for (size_t j = 0; j + 1 < ys.size(); ++j) {
      if (ys[j] == ys[j + 1]) continue;
      const bool covered = std::any_of(monitors.begin(), monitors.end(), [&](const ScreenArea& m) {
        const Box b = boxOf(m);
        return xs[i] >= b.left && xs[i] < b.right && ys[j] >= b.top && ys[j] < b.bottom;
      });
      if (!covered) return false;
    }
  }
  return true;
}

void keepOnMonitor(const ScreenArea& monitor, int& left, int& top, int width, int height) {
  const Box b = boxOf(monitor);
  auto clampTo = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  };
  if (static_cast<std::int64_t>(top) + height >= b.bottom) top = clampTo(b.bottom - height - 1);
  if (static_cast<std::int64_t>(left) + width >= b.right) left = clampTo(b.right - width - 1);
  if (top <= monitor.top) top = clampTo(static_cast<std::int64_t>(monitor.top) + 1);
  if (left <= monitor.left) left = clampTo(static_cast<std::int64_t>(monitor.left) + 1);
}

void keepOnDesktop(const std::vector<ScreenArea>& monitors, int& left, int& top, int width,
                   int height) {
  if (!monitors.empty() && onDesktop(monitors, left, top, width, height)) return;
  keepOnMonitor(monitorOf(monitors, left, top, width, height), left, top, width, height);
}

}  // namespace myu
