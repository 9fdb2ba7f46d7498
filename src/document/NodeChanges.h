// CNodeChanges: how the document announces that nodes of its data tree
// changed, and how every view follows: one list of observers, each told of
// every change in the order of announcing.
//
// A change names the channels of one area that changed (both ends included)
// or says that anything may have changed (a file opened, a read from the
// radio, a settings window). A change made by the user (an edit) also makes
// the document modified; one that brought the data in (open, read, New) does
// not.
//
// Observers are kept by their CSubscription: it ends the observation when it
// goes, and may outlive the announcer (then it does nothing). An observer may
// end its own or another subscription while it is told of a change; an
// observer subscribed while a change is announced hears the next one.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/Z5Areas.h"

struct SNodeChange {
    bool everything = false;
    int area = kAreaNone;  // with !everything: the area whose channels changed
    int firstChannel = 0;  // channel numbers within the area, both included
    int lastChannel = -1;
    bool edit = false;  // made by the user: the document is modified
    // What Undo calls the change ("Delete 3 channels"); empty: the document
    // names it after the command that runs and the first channel.
    std::string stepName;

    // Channels first..last of area, changed by the user.
    static SNodeChange Channels(int area, int first, int last);
    // Anything may have changed.
    static SNodeChange Everything(bool edit);

    // Whether the change may concern channel number channel of area.
    bool Touches(int area, int channel) const;
};

class CNodeChanges {
  public:
    using Observer = std::function<void(const SNodeChange&)>;

    // One observer's place in the list; ends it when destroyed or Cancel()ed.
    class CSubscription {
      public:
        CSubscription() = default;
        ~CSubscription() { Cancel(); }
        CSubscription(CSubscription&& other) noexcept;
        CSubscription& operator=(CSubscription&& other) noexcept;
        CSubscription(const CSubscription&) = delete;
        CSubscription& operator=(const CSubscription&) = delete;

        void Cancel();
        bool IsActive() const;

      private:
        friend class CNodeChanges;
        struct SEntry;
        explicit CSubscription(std::weak_ptr<SEntry> entry) : m_entry(std::move(entry)) {}
        std::weak_ptr<SEntry> m_entry;
    };

    CNodeChanges();
    ~CNodeChanges();
    CNodeChanges(const CNodeChanges&) = delete;
    CNodeChanges& operator=(const CNodeChanges&) = delete;

    // Adds an observer; it is told of every change until the returned
    // subscription ends. An empty observer is never called.
    [[nodiscard]] CSubscription Subscribe(Observer observer);

    // Tells every observer of change.
    void Announce(const SNodeChange& change) const;

    // The number of observers (for tests).
    int ObserverCount() const;

  private:
    struct SList;
    std::shared_ptr<SList> m_list;
};
