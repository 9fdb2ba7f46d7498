// CWindowPlacement: the main window's place and layout as kept in section
// "Window Position" of the settings, and how a stored place is fitted onto
// the screens that exist now.
//
// Stored values may be anything (hand-edited, another monitor, an old
// version): Fit always gives a window of at least the minimum size that lies
// on a screen with its top edge reachable, and a tree pane that leaves room
// for the list.
#pragma once

#include <QList>
#include <QRect>

class CSettingsStore;

// The defaults are those of the settings (SettingsKeys.h).
struct SWindowPlacement {
    QRect normal;            // the window's normal (not maximised) place
    bool maximized = false;  // "CmdShow" 3
    int treeWidth = 0;       // "SplitterV"
    bool stored = false;     // whether the settings held a place at all
};

class CWindowPlacement {
  public:
    static constexpr int kMinWidth = 400;
    static constexpr int kMinHeight = 200;
    static constexpr int kShowMaximized = 3;
    static constexpr int kShowMinimized = 2;
    static constexpr int kShowNormal = 1;
    // The narrowest a pane of the splitter is made at start.
    static constexpr int kMinPane = 24;

    // The stored values, defaults where missing; not fitted.
    static SWindowPlacement Load(const CSettingsStore& settings);

    // Writes, in this order, "SplitterV", "SplitterH", "Left", "Top", "Width",
    // "Height", "CmdShow".
    static void Save(CSettingsStore& settings, const QRect& normal, int showCommand, int treeWidth,
                     int splitterHeight);

    // The window's place fitted onto screens (their available areas; the
    // first is the primary screen): at least the minimum size, at most the
    // screen's, moved onto the primary screen at (5,5) from its corner when
    // it would not be reachable where it was.
    static QRect FitWindow(const QRect& wanted, const QList<QRect>& screens);

    // The place of a first start (no stored place) for a window that would
    // like the size wanted: that size, cut to the screen, at (5,5) from the
    // screen's corner.
    static QRect FirstPlace(const QSize& wanted, const QRect& screen);

    // A tree width that leaves both panes at least kMinPane wide in a
    // splitter of the given width.
    static int FitTreeWidth(int treeWidth, int splitterWidth);
};
