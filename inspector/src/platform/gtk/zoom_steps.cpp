#include "platform/gtk/zoom_steps.hpp"

#include <array>

namespace tavrik::gtk {

namespace {

constexpr std::array<double, 17> steps = {0.25, 1.0 / 3, 0.5,  2.0 / 3, 0.75, 0.8, 0.9, 1.0, 1.1,
                                          1.25, 1.5,     1.75, 2.0,     2.5,  3.0, 4.0, 5.0};
// Levels this close count as the step itself, so that rounding never skips or repeats a step.
constexpr double tolerance = 1e-3;

}  // namespace

double next_zoom_level(double current, ZoomChange change) {
  switch (change) {
    case ZoomChange::reset:
      return 1.0;
    case ZoomChange::in:
      for (const double step : steps) {
        if (step > current + tolerance) return step;
      }
      return steps.back();
    case ZoomChange::out:
      for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (*step < current - tolerance) return *step;
      }
      return steps.front();
  }
  return current;
}

}  // namespace tavrik::gtk
