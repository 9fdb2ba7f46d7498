// CCommandRouter: offers every command, and every question of how a command
// looks, to a chain of command targets in order: the shown list, then the
// document's commands, then the main frame, then the application. The first
// target that handles the command number answers; a command that no target
// handles is disabled and does nothing.
//
// The chain is asked anew for every command, so it follows the list that is
// shown. The targets are not owned.
#pragma once

#include <functional>
#include <vector>

#include "ui/CommandTarget.h"

class CCommandRouter {
  public:
    using Chain = std::function<std::vector<CCommandTarget*>()>;

    explicit CCommandRouter(Chain chain);

    // Carries out command id; false when no target handles it or it is
    // disabled now.
    bool Route(int id);
    // The command's look now.
    SCommandState Query(int id) const;

    // Told of every routed command's id before it runs, and of 0 after it.
    void SetObserver(std::function<void(int id)> observer) { m_observer = std::move(observer); }

  private:
    bool RouteToChain(int id);

    Chain m_chain;
    std::function<void(int id)> m_observer;
};
