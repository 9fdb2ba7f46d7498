#include "app/CommandRouter.h"

#include <utility>

CCommandRouter::CCommandRouter(Chain chain) : m_chain(std::move(chain)) {}

bool CCommandRouter::Route(int id) {
    if (m_observer) {
        m_observer(id);
    }
    const bool ran = RouteToChain(id);
    if (m_observer) {
        m_observer(0);
    }
    return ran;
}

bool CCommandRouter::RouteToChain(int id) {
    for (CCommandTarget* target : m_chain()) {
        SCommandState state;
        if (target != nullptr && target->OnUpdateCommand(id, state)) {
            return state.enabled && target->OnCommand(id);
        }
    }
    return false;
}

SCommandState CCommandRouter::Query(int id) const {
    for (CCommandTarget* target : m_chain()) {
        SCommandState state;
        if (target != nullptr && target->OnUpdateCommand(id, state)) {
            return state;
        }
    }
    return {};
}
