#include "scene/CouplerPath.h"

#include "analysis/Transmission.h"
#include "engine/Engine.h"
#include "engine/Material.h"
#include "scene/PlaneFrame.h"
#include "scene/TubeGeometry.h"

#include <algorithm>

namespace qor {

namespace {

// How much of its own colour the tube gives off, so that it reads in any light.
constexpr float kGlow = 0.35f;

double DistanceToSegment(Vec3 p, Vec3 a, Vec3 b) {
    const Vec3 ab = b - a;
    const double length2 = Dot(ab, ab);
    const double t = length2 > 0 ? std::clamp(Dot(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    return Length(p - (a + t * ab));
}

} // namespace

std::vector<PathStretch> PlanPathStretches(const Cycle& cycle, const RowPoint& pointOf,
                                           double mergeDistance) {
    // The rows in the order B runs through them: every row, then for a closed cycle the row it
    // repeats.
    const std::size_t rows = cycle.Rows.size();
    const std::size_t count = cycle.Closed && cycle.RepeatsFrom >= 0 ? rows + 1 : rows;
    const auto rowAt = [&](std::size_t i) {
        return i < rows ? static_cast<int>(i) : cycle.RepeatsFrom;
    };
    std::vector<PathStretch> stretches;
    if (count < 2) {
        return stretches;
    }
    PathStretch current{0, 0, false};
    Vec3 from = pointOf(0);
    for (std::size_t i = 1; i < count; ++i) {
        const int row = rowAt(i);
        current.marked =
            current.marked ||
            OutsideTransmissionBand(cycle.Rows[static_cast<std::size_t>(row)].Transmission);
        const bool last = i + 1 == count;
        const Vec3 point = pointOf(row);
        if (Length(point - from) >= mergeDistance || last) {
            current.toRow = row;
            stretches.push_back(current);
            current = {row, row, false};
            from = point;
        }
    }
    return stretches;
}

std::vector<PathStretch> JoinStraightStretches(const std::vector<PathStretch>& stretches,
                                               const RowPoint& pointOf, double tolerance,
                                               std::size_t mostJoined) {
    // Whether stretches first..last can be one: the same kind, every inner end near the chord.
    const auto joinable = [&](std::size_t first, std::size_t last) {
        const Vec3 a = pointOf(stretches[first].fromRow);
        const Vec3 b = pointOf(stretches[last].toRow);
        for (std::size_t k = first; k < last; ++k) {
            if (stretches[k + 1].marked != stretches[first].marked ||
                DistanceToSegment(pointOf(stretches[k].toRow), a, b) > tolerance) {
                return false;
            }
        }
        return true;
    };
    std::vector<PathStretch> joined;
    for (std::size_t first = 0; first < stretches.size();) {
        std::size_t last = first;
        while (last + 1 < stretches.size() && last + 1 - first < mostJoined &&
               joinable(first, last + 1)) {
            ++last;
        }
        joined.push_back(
            {stretches[first].fromRow, stretches[last].toRow, stretches[first].marked});
        first = last + 1;
    }
    return joined;
}

void CouplerPath::Build(IDirect3DRM* engine, IDirect3DRMFrame& link1Frame, const Mechanism& m,
                        const Colours& colours) {
    Clear();
    cycle_ = ComputeCycle(m);
    if (cycle_.Rows.empty()) {
        return;
    }
    const RowPoint pointOf = [this](int row) { return Point(row); };
    stretches_ = JoinStraightStretches(PlanPathStretches(cycle_, pointOf, kPathMergeDistance),
                                       pointOf, kPathChordTolerance, kPathMostJoined);

    // Consecutive stretches of one kind make one piece of tube; all pieces of a kind make one
    // group of the mesh, drawn in one call.
    std::array<TubeGeometry, 2> tubes; // well, badly transmitting
    for (TubeGeometry& tube : tubes) {
        tube.vertices.reserve((stretches_.size() + 1) * kTubeSides);
        tube.faces.reserve(stretches_.size() * kTubeSides * 4);
    }
    std::vector<Vec3> piece;
    for (std::size_t i = 0; i < stretches_.size(); ++i) {
        const PathStretch& s = stretches_[i];
        if (piece.empty()) {
            piece.push_back(Point(s.fromRow));
        }
        piece.push_back(Point(s.toRow));
        if (i + 1 == stretches_.size() || stretches_[i + 1].marked != s.marked) {
            AppendTube(tubes[s.marked ? 1 : 0], piece, false, kPathRadius);
            piece.clear();
        }
    }

    frame_ = NewPlaneFrame(engine, link1Frame, m.Plane);
    RefPtr<IDirect3DRMMaterial> glow;
    if (!frame_ || Failed(engine->CreateMesh(mesh_)) || Failed(engine->CreateMaterial(0, glow))) {
        Clear();
        return;
    }
    for (std::size_t kind = 0; kind < tubes.size(); ++kind) {
        const std::array<float, 3>& c = kind == 0 ? colours.good : colours.bad;
        const D3DRMGROUPINDEX group = AddColouredGroup(*mesh_, tubes[kind], c);
        if (group >= 0) {
            // The result is not examined: the group was just made and the material exists.
            (void)glow->SetEmissive(kGlow * c[0], kGlow * c[1], kGlow * c[2]);
            (void)mesh_->SetGroupMaterial(group, glow.get());
        }
    }
    // The result is not examined: the frame and the mesh were just made.
    (void)frame_->AddVisual(mesh_.get());
}

void CouplerPath::Clear() {
    if (frame_ && frame_->Parent() != nullptr) {
        // The result is not examined: the frame is its parent's child.
        (void)frame_->Parent()->DeleteChild(frame_.get());
    }
    frame_.reset();
    mesh_.reset();
    cycle_ = Cycle{};
    stretches_.clear();
    steps_ = 0;
}

Vec3 CouplerPath::Point(int row) const {
    return PlaneFramePoint(cycle_.Start.Plane, cycle_.Rows[static_cast<std::size_t>(row)].B);
}

bool CouplerPath::Stepped() {
    ++steps_;
    return Shown() && !cycle_.Closed && steps_ >= static_cast<int>(cycle_.Rows.size()) - 1;
}

} // namespace qor
