#include "ui/CommandTarget.h"

#include <utility>

bool CCommandTarget::OnCommand(int id) {
    auto it = m_commands.find(id);
    if (it == m_commands.end()) {
        return false;
    }
    // The handler may replace the table entry (or the target): keep a copy.
    Runner run = it->second.run;
    if (run) {
        run();
    }
    return true;
}

bool CCommandTarget::OnUpdateCommand(int id, SCommandState& state) const {
    auto it = m_commands.find(id);
    if (it == m_commands.end()) {
        return false;
    }
    state = it->second.update ? it->second.update() : SCommandState{true, false};
    return true;
}

void CCommandTarget::HandleCommand(int id, Runner run, Updater update) {
    m_commands[id] = SEntry{std::move(run), std::move(update)};
}
