#include "platform/SilentUserInterface.h"

int CSilentUserInterface::MessageBox(const std::string&, const std::string&, unsigned style) {
    return (style & MessageStyle::ButtonMask) == MessageStyle::YesNo ? IDNO : IDCANCEL;
}
