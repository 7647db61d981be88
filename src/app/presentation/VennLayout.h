// Where the shapes of a Venn diagram lie, for one to four predicates: circles for up to
// three, the four-ellipse diagram for four, inside a frame that stands for the domain.
// Plain geometry in twips, so the drawing and the tests share it.
#pragma once

#include <vector>

#include "ui/Twips.h"

namespace deducto {

inline constexpr int kMaxVennPredicates = 4;

struct Ellipse {
    double cx = 0;
    double cy = 0;
    double rx = 0;  // along the rotated x axis
    double ry = 0;
    double angle = 0;  // radians

    [[nodiscard]] bool Contains(double x, double y) const;
    // Roughly how far (x, y) is from the outline, in twips.
    [[nodiscard]] double Distance(double x, double y) const;
    [[nodiscard]] ui::TwipPoint PointAt(double t) const;  // t in radians along the outline
};

struct VennLayout {
    ui::TwipRect frame;                // the domain
    std::vector<Ellipse> shapes;       // shape i stands for the i-th predicate
    std::vector<ui::TwipPoint> names;  // where each shape's letter goes, outside it

    // Which shapes hold the point: bit (n - 1 - i) for shape i, so that 0 is outside all
    // of them and the highest number inside all. -1 outside the frame.
    [[nodiscard]] int RegionAt(double x, double y) const;
    // A point well inside each region, indexed as RegionAt numbers them.
    [[nodiscard]] std::vector<ui::TwipPoint> RegionCentres() const;
};

// The diagram for `predicates` (1 to 4) with the frame's top-left corner at `origin`.
[[nodiscard]] VennLayout MakeVennLayout(int predicates, ui::TwipPoint origin);

}  // namespace deducto
