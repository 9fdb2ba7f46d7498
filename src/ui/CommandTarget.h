// A receiver of menu, toolbar and accelerator commands.
//
// A target keeps a table of the commands it handles: for each command number
// what it does and, optionally, how its menu item looks (enabled, checked).
// The command router (see app/CommandRouter.h) offers every command to the
// targets of its chain in order; the first one that has the number in its
// table takes it. A command that no target has is disabled.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

// How a command's menu item and toolbar button look.
struct SCommandState {
    SCommandState() = default;
    SCommandState(bool isEnabled, bool isChecked, std::string nowText = {})
        : enabled(isEnabled), checked(isChecked), text(std::move(nowText)) {}

    bool enabled = false;
    bool checked = false;
    std::string text;  // the menu item's text now; "" keeps it
};

class CCommandTarget {
  public:
    using Runner = std::function<void()>;
    using Updater = std::function<SCommandState()>;

    virtual ~CCommandTarget() = default;

    // Carries out command id; false when this target does not handle it.
    bool OnCommand(int id);

    // Fills state for command id; false (state untouched) when this target
    // does not handle it.
    bool OnUpdateCommand(int id, SCommandState& state) const;

  protected:
    // Adds command id to the table. Without an updater the command is always
    // enabled and never checked. Registering a number again replaces it.
    void HandleCommand(int id, Runner run, Updater update = {});

    // Helpers for updaters.
    static SCommandState Enabled(bool enabled) { return {enabled, false}; }
    static SCommandState Checked(bool checked) { return {true, checked}; }

  private:
    struct SEntry {
        Runner run;
        Updater update;
    };
    std::map<int, SEntry> m_commands;
};
