#include "ui/LineEditFilter.h"

#include <QLineEdit>
#include <string>

#include "model/TextFilter.h"

namespace {

// The part of a text that is kept; characters outside Latin-1 are never
// allowed, so they go as well.
std::string Kept(const QString& text, std::string_view allowed) {
    std::string kept;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            kept += static_cast<char>(c.unicode());
        }
    }
    KeepAllowed(kept, allowed);
    return kept;
}

}  // namespace

bool FilterLineEdit(QLineEdit& edit, std::string_view allowed) {
    const QString text = edit.text();
    const int caret = edit.cursorPosition();
    const std::string head = Kept(text.left(caret), allowed);
    const std::string tail = Kept(text.mid(caret), allowed);
    const QString filtered = QString::fromLatin1(head + tail);
    if (filtered == text) {
        return false;
    }
    edit.setText(filtered);
    edit.setCursorPosition(static_cast<int>(head.size()));
    return true;
}
