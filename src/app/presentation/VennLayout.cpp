#include "presentation/VennLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace deducto {

namespace {

constexpr int kFrameWidth = 4800;
constexpr int kFrameHeight = 3600;
constexpr int kFourFrameHeight = 4200;  // the tilted ellipses and their letters are taller
constexpr int kCentreGrid = 40;         // twips between the points tried as region centres
constexpr double kNameOffset = 170;     // a shape's letter sits this far outside its outline

Ellipse Circle(double cx, double cy, double r) { return {cx, cy, r, r, 0}; }

}  // namespace

bool Ellipse::Contains(double x, double y) const {
    const double dx = x - cx;
    const double dy = y - cy;
    const double u = dx * std::cos(angle) + dy * std::sin(angle);
    const double v = -dx * std::sin(angle) + dy * std::cos(angle);
    return (u / rx) * (u / rx) + (v / ry) * (v / ry) <= 1.0;
}

double Ellipse::Distance(double x, double y) const {
    const double dx = x - cx;
    const double dy = y - cy;
    const double u = dx * std::cos(angle) + dy * std::sin(angle);
    const double v = -dx * std::sin(angle) + dy * std::cos(angle);
    const double scaled = std::sqrt((u / rx) * (u / rx) + (v / ry) * (v / ry));
    return std::abs(scaled - 1.0) * std::min(rx, ry);
}

ui::TwipPoint Ellipse::PointAt(double t) const {
    const double u = rx * std::cos(t);
    const double v = ry * std::sin(t);
    return {static_cast<int>(std::lround(cx + u * std::cos(angle) - v * std::sin(angle))),
            static_cast<int>(std::lround(cy + u * std::sin(angle) + v * std::cos(angle)))};
}

int VennLayout::RegionAt(double x, double y) const {
    if (x < frame.left || y < frame.top || x > frame.left + frame.width ||
        y > frame.top + frame.height) {
        return -1;
    }
    const int n = static_cast<int>(shapes.size());
    int region = 0;
    for (int i = 0; i < n; ++i) {
        if (shapes[i].Contains(x, y)) region |= 1 << (n - 1 - i);
    }
    return region;
}

std::vector<ui::TwipPoint> VennLayout::RegionCentres() const {
    const int count = 1 << shapes.size();
    std::vector<ui::TwipPoint> centres(count);
    std::vector<double> depth(count, -1);
    for (int x = frame.left; x <= frame.left + frame.width; x += kCentreGrid) {
        for (int y = frame.top; y <= frame.top + frame.height; y += kCentreGrid) {
            const int region = RegionAt(x, y);
            double d = std::min({x - frame.left, frame.left + frame.width - x, y - frame.top,
                                 frame.top + frame.height - y}) *
                       1.0;
            for (const Ellipse& shape : shapes) d = std::min(d, shape.Distance(x, y));
            if (d > depth[region]) {
                depth[region] = d;
                centres[region] = {x, y};
            }
        }
    }
    return centres;
}

VennLayout MakeVennLayout(int predicates, ui::TwipPoint origin) {
    VennLayout layout;
    const int height = predicates == 4 ? kFourFrameHeight : kFrameHeight;
    layout.frame = {origin.x, origin.y, kFrameWidth, height};
    const double cx = origin.x + kFrameWidth / 2.0;
    const double cy = origin.y + height / 2.0;
    switch (predicates) {
        case 1:
            layout.shapes = {Circle(cx, cy, 1100)};
            break;
        case 2:
            layout.shapes = {Circle(cx - 600, cy, 1100), Circle(cx + 600, cy, 1100)};
            break;
        case 3:
            layout.shapes = {Circle(cx - 560, cy - 360, 1000), Circle(cx + 560, cy - 360, 1000),
                             Circle(cx, cy + 560, 1000)};
            break;
        default: {
            // Two ellipses leaning each way, the inner pair set higher: all sixteen regions.
            const double lean = 50 * std::numbers::pi / 180;
            const double y = cy + 300;
            layout.shapes = {{cx - 600, y, 1900, 900, lean},
                             {cx - 100, y - 400, 1900, 900, lean},
                             {cx + 100, y - 400, 1900, 900, -lean},
                             {cx + 600, y, 1900, 900, -lean}};
            break;
        }
    }
    // Each letter goes beside the point of its outline farthest from the middle.
    for (const Ellipse& shape : layout.shapes) {
        ui::TwipPoint best = shape.PointAt(0);
        double bestDistance = -1;
        for (int step = 0; step < 72; ++step) {
            const ui::TwipPoint p = shape.PointAt(step * std::numbers::pi / 36);
            const double d = std::hypot(p.x - cx, p.y - cy);
            if (d > bestDistance) {
                bestDistance = d;
                best = p;
            }
        }
        const double scale = (bestDistance + kNameOffset) / std::max(bestDistance, 1.0);
        layout.names.push_back({static_cast<int>(cx + (best.x - cx) * scale),
                                static_cast<int>(cy + (best.y - cy) * scale)});
    }
    return layout;
}

}  // namespace deducto
