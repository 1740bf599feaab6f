#include "editor/logic/SurfaceGeometry.h"

#include <algorithm>

namespace editor {

int SnapCoordinate(int v, int grid) {
    if (grid < 1) return v;
    return (v / grid) * grid;
}

SurfacePoint ClampToBackground(SurfacePoint p, int w, int h, int backW, int backH) {
    p.X = std::max(p.X, 0);
    p.Y = std::max(p.Y, 0);
    p.X = std::min(p.X, backW - w);
    p.Y = std::min(p.Y, backH - h);
    return p;
}

SurfacePoint HandleCorner(const SelBox& r, int k, int ofs) {
    const int midX = r.Left + r.Width() / 2;
    const int midY = r.Top + r.Height() / 2;
    const int left = r.Left - ofs - 1;
    const int right = r.Right - ofs;
    const int top = r.Top - ofs - 1;
    const int bottom = r.Bottom - ofs;
    switch (k) {
        case 0: return {left, top};
        case 1: return {midX - ofs, top};
        case 2: return {right, top};
        case 3: return {right, midY - ofs};
        case 4: return {right, bottom};
        case 5: return {midX - ofs, bottom};
        case 6: return {left, bottom};
        default: return {left, midY - ofs};
    }
}

SelBox ResizeByHandle(const SelBox& r, int k, int nx, int ny, int ofs) {
    SelBox out = r;
    const bool leftEdge = k == 0 || k == 6 || k == 7;
    const bool topEdge = k == 0 || k == 1 || k == 2;
    const bool rightEdge = k == 2 || k == 3 || k == 4;
    const bool bottomEdge = k == 4 || k == 5 || k == 6;
    if (leftEdge && nx < out.Right - ofs) out.Left = nx;
    if (topEdge && ny < out.Bottom - ofs) out.Top = ny;
    if (rightEdge && nx > out.Left + ofs) out.Right = nx;
    if (bottomEdge && ny > out.Top + ofs) out.Bottom = ny;
    return out;
}

SurfacePoint NudgePosition(SurfacePoint p, Nudge direction, int w, int h, int backW, int backH) {
    switch (direction) {
        case Nudge::Left: --p.X; break;
        case Nudge::Right: ++p.X; break;
        case Nudge::Up: --p.Y; break;
        case Nudge::Down: ++p.Y; break;
    }
    return ClampToBackground(p, w, h, backW, backH);
}

int NextCascadeOffset(int current, int panelW, int panelH) {
    int next = current + 8;
    if (panelW - 80 < next) next = 8;
    if (panelH - 20 < next) next = 8;
    return next;
}

SurfacePoint PastePosition(SurfacePoint clip, const std::vector<SurfacePoint>& occupied, int w, int h, int backW,
                           int backH) {
    // Each step moves past at least one occupied place, so the search ends
    // after at most one step per object.
    for (size_t steps = 0; steps <= occupied.size(); ++steps) {
        const bool taken = std::any_of(occupied.begin(), occupied.end(),
                                       [&](const SurfacePoint& p) { return p.X == clip.X && p.Y == clip.Y; });
        if (!taken) break;
        clip.X += 6;
        clip.Y += 6;
    }
    if (clip.X + w > backW) clip.X = backW - w;
    if (clip.Y + h > backH) clip.Y = backH - h;
    return clip;
}

NavigateResult NavigateSelection(int selected, int count, Navigate step) {
    NavigateResult result;
    if (count < 1) return result;
    const int from = std::clamp(selected, 0, count);
    switch (step) {
        case Navigate::First: result.Selected = 1; break;
        case Navigate::Last: result.Selected = count; break;
        case Navigate::Previous:
            result.Selected = from - 1;
            if (result.Selected <= 0) {
                result.Selected = 1;
                result.Beep = true;
            }
            break;
        case Navigate::Next:
            result.Selected = from + 1;
            if (result.Selected > count) {
                result.Selected = count;
                result.Beep = true;
            }
            break;
    }
    return result;
}

namespace {

std::vector<int> Identity(int count) {
    std::vector<int> order(static_cast<size_t>(count) + 1);
    for (int k = 0; k <= count; ++k) order[static_cast<size_t>(k)] = k;
    return order;
}

// Object `from` moves to slot `to`; the objects between shift by one.
std::vector<int> MoveTo(int count, int from, int to) {
    std::vector<int> order = Identity(count);
    if (from < to)
        for (int k = from; k < to; ++k) order[static_cast<size_t>(k)] = k + 1;
    else
        for (int k = from; k > to; --k) order[static_cast<size_t>(k)] = k - 1;
    order[static_cast<size_t>(to)] = from;
    return order;
}

}  // namespace

RestackResult RestackOrder(int count, int s, Restack command) {
    RestackResult result;
    if (s < 1 || s > count) return result;
    int to = s;
    switch (command) {
        case Restack::BringToFront: to = count; break;
        case Restack::SendToBack: to = 1; break;
        case Restack::BringForward: to = s + 1; break;
        case Restack::SendBackward: to = s - 1; break;
    }
    const bool up = command == Restack::BringToFront || command == Restack::BringForward;
    if ((up && s == count) || (!up && s == 1)) return result;
    result.Order = MoveTo(count, s, to);
    result.NewSelected = to;
    return result;
}

std::vector<int> TabOrderMove(int count, int i, int p) {
    if (i < 1 || i > count || p < 1 || p > i) return {};
    return MoveTo(count, i, p);
}

SurfacePoint TabMarkerCorner(const SelBox& object, int backW) {
    const bool nearRight = object.Right >= backW - 26;
    const bool nearTop = object.Top <= 27;
    if (!nearTop) return nearRight ? SurfacePoint{object.Left - 20, object.Top} : SurfacePoint{object.Right, object.Top};
    return nearRight ? SurfacePoint{object.Left, object.Top - 21} : SurfacePoint{object.Right - 20, object.Bottom};
}

std::string PositionText(int left, int top, int width, int height) {
    return "L " + std::to_string(left) + ", T " + std::to_string(top) + ", W " + std::to_string(width) + ", H " +
           std::to_string(height);
}

}  // namespace editor
