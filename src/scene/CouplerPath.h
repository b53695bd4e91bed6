// The path of B of one mechanism, drawn in its plane: the positions of one whole cycle of the
// drive as it is set now, computed ahead with the animation's own solver, as a thin tube. The
// stretches where the linkage transmits badly (transmission angle outside 40-140 degrees) take
// a darker shade of the mechanism's colour.
#pragma once

#include "analysis/Cycle.h"
#include "engine/Frame.h"
#include "engine/Math3d.h"
#include "engine/Mesh.h"
#include "engine/RefPtr.h"

#include <array>
#include <functional>
#include <vector>

namespace qor {

class IDirect3DRM;

// The tube's radius, and how close consecutive positions may come before the tube passes them
// by: the tube then runs within this distance of every position it skips.
inline constexpr double kPathRadius = 0.08;
inline constexpr double kPathMergeDistance = 0.6 * kPathRadius;

// One straight piece of the tube, from the position of one row of the cycle to another's.
struct PathStretch {
    int fromRow = 0;
    int toRow = 0;
    bool marked = false; // a row after fromRow, up to toRow, transmits badly
};

// Where B is at a row of the cycle, in the drawing's frame.
using RowPoint = std::function<Vec3(int row)>;

// The tube's pieces in the order B runs through them: row 0 to the last row, and for a closed
// cycle on to the row it repeats. A position closer than mergeDistance to the last one kept is
// passed by (the last row always ends a stretch).
std::vector<PathStretch> PlanPathStretches(const Cycle& cycle, const RowPoint& pointOf,
                                           double mergeDistance);

// How far from a straight piece of tube the ends of the stretches it replaces may lie (an eighth
// of the tube's radius, so the tube still runs through every position it passes), and how many
// stretches it may replace.
inline constexpr double kPathChordTolerance = 0.125 * kPathRadius;
inline constexpr std::size_t kPathMostJoined = 8;

// Joins runs of up to mostJoined neighbouring stretches of one kind into one, as long as the
// ends of the stretches inside the run lie within tolerance of the joined stretch. Along a
// gentle curve the tube then needs a few times fewer faces, which a software renderer pays for
// on every frame; a tight turn or a cusp keeps every stretch.
std::vector<PathStretch> JoinStraightStretches(const std::vector<PathStretch>& stretches,
                                               const RowPoint& pointOf, double tolerance,
                                               std::size_t mostJoined);

class CouplerPath {
public:
    // The colours of the tube: where it transmits well, and where it does not.
    struct Colours {
        std::array<float, 3> good{};
        std::array<float, 3> bad{};
    };

    CouplerPath() = default;
    CouplerPath(const CouplerPath&) = delete;
    CouplerPath& operator=(const CouplerPath&) = delete;
    ~CouplerPath() { Clear(); }

    // Replaces what was drawn with the path of the mechanism's drive from its current state, in
    // a plane frame made beside link 1's frame. Without a driven link nothing is drawn.
    void Build(IDirect3DRM* engine, IDirect3DRMFrame& link1Frame, const Mechanism& m,
               const Colours& colours);
    // Takes the drawing out of the scene and lets its engine objects go.
    void Clear();

    // Counts one advance of the mechanism. True when it has reached the last position of a
    // path that did not close: the path must be built again from there.
    bool Stepped();

    bool Shown() const { return frame_ != nullptr; }
    const Cycle& Path() const { return cycle_; }
    // Where B is at a row of the cycle, in the plane frame.
    Vec3 Point(int row) const;
    const std::vector<PathStretch>& Stretches() const { return stretches_; }
    IDirect3DRMFrame* Frame() const { return frame_.get(); }
    IDirect3DRMMesh* Mesh() const { return mesh_.get(); }

private:
    Cycle cycle_;
    std::vector<PathStretch> stretches_;
    int steps_ = 0;
    RefPtr<IDirect3DRMFrame> frame_;
    RefPtr<IDirect3DRMMesh> mesh_;
};

} // namespace qor
