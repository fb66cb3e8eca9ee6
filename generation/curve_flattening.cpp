#include "curve_flattening.h"

#include <algorithm>
#include <cmath>

namespace scrivafresa {
namespace {

double Length(double x, double y) { return std::hypot(x, y); }

// Curves are cut into at most this many segments, whatever their size.
constexpr int kMaxSegments = 1024;

}  // namespace

// A curve with second derivative bounded by D, cut into n equal parameter steps, strays from
// each chord by at most D / (8 n^2); `deviationBound` is D / 8.
int ContourFlattener::Segments(double deviationBound) const {
    const double n = std::ceil(std::sqrt(deviationBound / tolerance_));
    if (!(n >= 1)) return 1;
    return static_cast<int>(std::min(n, double{kMaxSegments}));
}

void ContourFlattener::MoveTo(PlanePoint to) { contours_.push_back({to}); }

void ContourFlattener::LineTo(PlanePoint to) {
    if (contours_.empty()) contours_.emplace_back();
    contours_.back().push_back(to);
}

void ContourFlattener::ConicTo(PlanePoint c, PlanePoint to) {
    if (contours_.empty()) return LineTo(to);
    const PlanePoint from = Current();
    // B'' = 2 (P0 - 2 P1 + P2)
    const double d = 2 * Length(from.x - 2 * c.x + to.x, from.y - 2 * c.y + to.y);
    const int n = Segments(d / 8);
    for (int i = 1; i < n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        contours_.back().push_back({u * u * from.x + 2 * u * t * c.x + t * t * to.x,
                                    u * u * from.y + 2 * u * t * c.y + t * t * to.y});
    }
    contours_.back().push_back(to);
}

void ContourFlattener::CubicTo(PlanePoint c1, PlanePoint c2, PlanePoint to) {
    if (contours_.empty()) return LineTo(to);
    const PlanePoint from = Current();
    // |B''| <= 6 max(|P0 - 2 P1 + P2|, |P1 - 2 P2 + P3|)
    const double d = 6 * std::max(Length(from.x - 2 * c1.x + c2.x, from.y - 2 * c1.y + c2.y),
                                  Length(c1.x - 2 * c2.x + to.x, c1.y - 2 * c2.y + to.y));
    const int n = Segments(d / 8);
    for (int i = 1; i < n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
        contours_.back().push_back({a * from.x + b * c1.x + c * c2.x + e * to.x,
                                    a * from.y + b * c1.y + c * c2.y + e * to.y});
    }
    contours_.back().push_back(to);
}

}  // namespace scrivafresa
