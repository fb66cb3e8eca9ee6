#pragma once

#include <vector>

namespace scrivafresa {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

// Collects the contours of a glyph as polylines, turning each curve into straight segments
// that stray from it by at most `tolerance` (in the same units as the points).
class ContourFlattener {
public:
    explicit ContourFlattener(double tolerance) : tolerance_(tolerance) {}

    void MoveTo(PlanePoint to);
    void LineTo(PlanePoint to);
    void ConicTo(PlanePoint control, PlanePoint to);
    void CubicTo(PlanePoint control1, PlanePoint control2, PlanePoint to);

    const std::vector<std::vector<PlanePoint>>& Contours() const { return contours_; }

private:
    PlanePoint Current() const { return contours_.back().back(); }
    int Segments(double deviationBound) const;

    double tolerance_;
    std::vector<std::vector<PlanePoint>> contours_;
};

}  // namespace scrivafresa
