#include "app/WindowPlacement.h"

#include <algorithm>

#include "platform/SettingsStore.h"
#include "transport/SettingsKeys.h"

namespace {

// How much of a window must lie on a screen for the user to reach it: its
// top edge (the title bar) over this width and height.
constexpr int kReachableWidth = 100;
constexpr int kReachableHeight = 30;
constexpr int kHomeOffset = 5;
// Stored numbers are cut to this magnitude before any geometry is made of
// them, so that no sum of them overflows.
constexpr int kCoordinateLimit = 1 << 20;

int StoredInt(const CSettingsStore& settings, const SettingsKey::SSetting& setting) {
    return std::clamp(SettingsKey::ReadInt(settings, setting), -kCoordinateLimit, kCoordinateLimit);
}

bool IsReachable(const QRect& window, const QRect& screen) {
    const QRect titleBar(window.left(), window.top(), window.width(), kReachableHeight);
    const QRect visible = titleBar.intersected(screen);
    return visible.width() >= std::min(kReachableWidth, window.width()) &&
           visible.height() >= kReachableHeight;
}

// The size kept within the minimum and, where the screen is larger than
// the minimum, within the screen.
QSize FitSize(const QSize& wanted, const QRect& screen) {
    int width = std::max(wanted.width(), CWindowPlacement::kMinWidth);
    int height = std::max(wanted.height(), CWindowPlacement::kMinHeight);
    if (screen.isValid()) {
        width = std::min(width, std::max(screen.width(), CWindowPlacement::kMinWidth));
        height = std::min(height, std::max(screen.height(), CWindowPlacement::kMinHeight));
    }
    return {width, height};
}

}  // namespace

SWindowPlacement CWindowPlacement::Load(const CSettingsStore& settings) {
    using namespace SettingsKey;
    SWindowPlacement placement;
    placement.normal = QRect(StoredInt(settings, kLeft), StoredInt(settings, kTop),
                             StoredInt(settings, kWidth), StoredInt(settings, kHeight));
    placement.maximized = ReadInt(settings, kCmdShow) == kShowMaximized;
    placement.treeWidth = StoredInt(settings, kSplitterV);
    placement.stored = IsStored(settings, kWidth);
    return placement;
}

void CWindowPlacement::Save(CSettingsStore& settings, const QRect& normal, int showCommand,
                            int treeWidth, int splitterHeight) {
    using namespace SettingsKey;
    const std::pair<const SSetting&, int> values[] = {
        {kSplitterV, treeWidth}, {kSplitterH, splitterHeight}, {kLeft, normal.left()},
        {kTop, normal.top()},    {kWidth, normal.width()},     {kHeight, normal.height()},
        {kCmdShow, showCommand},
    };
    for (const auto& [setting, value] : values) {
        WriteInt(settings, setting, value);
    }
}

QRect CWindowPlacement::FitWindow(const QRect& wanted, const QList<QRect>& screens) {
    // QRect(left, top, width, height) with nonsense sizes: rebuild from parts.
    const QPoint wantedTopLeft(wanted.left(), wanted.top());
    for (const QRect& screen : screens) {
        const QRect window(wantedTopLeft, FitSize(wanted.size(), screen));
        if (IsReachable(window, screen)) {
            return window;
        }
    }
    const QRect home = screens.isEmpty() ? QRect() : screens.first();
    const QPoint corner = home.isValid() ? home.topLeft() + QPoint(kHomeOffset, kHomeOffset)
                                         : QPoint(kHomeOffset, kHomeOffset);
    return {corner, FitSize(wanted.size(), home)};
}

QRect CWindowPlacement::FirstPlace(const QSize& wanted, const QRect& screen) {
    const QPoint corner = screen.topLeft() + QPoint(kHomeOffset, kHomeOffset);
    const QRect room(corner, screen.size() - QSize(2 * kHomeOffset, 2 * kHomeOffset));
    return {corner, FitSize(wanted, room)};
}

int CWindowPlacement::FitTreeWidth(int treeWidth, int splitterWidth) {
    const int widest = std::max(kMinPane, splitterWidth - kMinPane);
    return std::clamp(treeWidth, kMinPane, widest);
}
