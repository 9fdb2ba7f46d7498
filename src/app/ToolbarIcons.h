// CToolbarIcons: the pictures of the toolbar buttons and menu items, drawn by
// the program itself (no image files), in 16 x 16 and 32 x 32 pixels.
#pragma once

#include <QIcon>

class CToolbarIcons {
  public:
    // The icon of command id; a null icon for a command without a picture.
    static QIcon Icon(int id);
    // The program's own icon (window and About box).
    static QIcon ProgramIcon();
};
