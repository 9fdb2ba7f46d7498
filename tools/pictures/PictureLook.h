// CPictureLook: the one look of the manual's pictures, the same on every
// machine and desktop: Qt's offscreen platform, the Fusion style with its own
// light palette, DejaVu Sans at 9 points, a text cursor that does not blink
// and no animations. Whatever the user's desktop or environment asks for is
// left out.
#pragma once

class QApplication;

class CPictureLook {
  public:
    static constexpr const char* kFontFamily = "DejaVu Sans";
    static constexpr int kFontPoints = 9;

    // Before the QApplication is made: the offscreen platform, and none of
    // the environment variables that change styles, themes, fonts or scaling.
    static void PrepareEnvironment();
    // After it is made: style, palette, font and the steady cursor.
    static void Apply(QApplication& application);
};
