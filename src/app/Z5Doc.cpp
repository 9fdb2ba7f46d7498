#include "app/Z5Doc.h"

namespace {

// Runs command while holding the command busy flag; false when busy.
template <class Command>
bool Guarded(Command command) {
    if (!CCloneSupportDoc::TryEnterCommand()) {
        return false;
    }
    bool done = command();
    CCloneSupportDoc::LeaveCommand();
    return done;
}

}  // namespace

bool CZ5Doc::OnFileSave() {
    return Guarded([this] { return DoFileSave(); });
}

bool CZ5Doc::OnFileSaveAs() {
    return Guarded([this] { return DoFileSaveAs(); });
}
