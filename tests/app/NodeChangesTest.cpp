// How the document announces changed nodes: which channels a change
// touches, who hears it and when a listener stops hearing, and which of the
// document's own operations announce (and mark it modified).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DocumentTestSupport.h"
#include "document/NodeChanges.h"

namespace {

// (change, area, channel) -> touched.
TEST(NodeChange, TouchesTheChannelsItNames) {
    struct SCase {
        SNodeChange change;
        int area;
        int channel;
        bool touched;
    };
    const SCase cases[] = {
        {SNodeChange::Channels(kAreaMemory, 3, 5), kAreaMemory, 3, true},
        {SNodeChange::Channels(kAreaMemory, 3, 5), kAreaMemory, 5, true},
        {SNodeChange::Channels(kAreaMemory, 3, 5), kAreaMemory, 6, false},
        {SNodeChange::Channels(kAreaMemory, 3, 5), kAreaMemory, 2, false},
        {SNodeChange::Channels(kAreaMemory, 5, 3), kAreaMemory, 4, true},
        {SNodeChange::Channels(kAreaMemory, 3, 5), kAreaScanEdge, 4, false},
        {SNodeChange::Everything(false), kAreaCall, 0, true},
        {SNodeChange::Everything(true), kAreaNone, 99, true},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(c.change.Touches(c.area, c.channel), c.touched)
            << c.change.area << " " << c.change.firstChannel << ".." << c.change.lastChannel
            << " asked " << c.area << "/" << c.channel;
    }
    EXPECT_TRUE(SNodeChange::Channels(kAreaCall, 0, 0).edit);
    EXPECT_FALSE(SNodeChange::Everything(false).edit);
}

TEST(NodeChanges, EveryListenerHearsEveryChangeUntilItsSubscriptionEnds) {
    CNodeChanges changes;
    std::vector<int> heard;
    auto first = changes.Subscribe([&](const SNodeChange& c) { heard.push_back(c.firstChannel); });
    CNodeChanges::CSubscription second =
        changes.Subscribe([&](const SNodeChange& c) { heard.push_back(100 + c.firstChannel); });
    changes.Announce(SNodeChange::Channels(kAreaMemory, 1, 1));
    EXPECT_EQ(heard, (std::vector<int>{1, 101}));

    CNodeChanges::CSubscription moved = std::move(second);
    EXPECT_FALSE(second.IsActive());
    EXPECT_TRUE(moved.IsActive());
    first.Cancel();
    changes.Announce(SNodeChange::Channels(kAreaMemory, 2, 2));
    EXPECT_EQ(heard, (std::vector<int>{1, 101, 102}));
    EXPECT_EQ(changes.ObserverCount(), 1);
    { CNodeChanges::CSubscription gone = std::move(moved); }
    EXPECT_EQ(changes.ObserverCount(), 0);
}

// A listener that closes another view (or itself) while it hears a change:
// the closed one hears nothing more, nothing breaks.
TEST(NodeChanges, AListenerMayEndSubscriptionsWhileItHears) {
    CNodeChanges changes;
    int laterHeard = 0;
    CNodeChanges::CSubscription later;
    CNodeChanges::CSubscription self;
    auto closer = changes.Subscribe([&](const SNodeChange&) {
        later.Cancel();
        self.Cancel();
    });
    self = changes.Subscribe([](const SNodeChange&) {});
    later = changes.Subscribe([&](const SNodeChange&) { ++laterHeard; });
    changes.Announce(SNodeChange::Everything(false));
    EXPECT_EQ(laterHeard, 0);
    EXPECT_EQ(changes.ObserverCount(), 1);
}

TEST(NodeChanges, ASubscriptionMayOutliveTheAnnouncer) {
    CNodeChanges::CSubscription subscription;
    {
        auto changes = std::make_unique<CNodeChanges>();
        subscription = changes->Subscribe([](const SNodeChange&) {});
        EXPECT_TRUE(subscription.IsActive());
    }
    EXPECT_FALSE(subscription.IsActive());
    subscription.Cancel();  // the announcer is gone: nothing to do
}

// What the document announces by itself, and what an announced edit does to
// its modified flag.
TEST_F(CDocumentTest, TheDocumentAnnouncesWhatChangedItsNodes) {
    CZ5Doc document(settings, ui);
    std::vector<SNodeChange> heard;
    auto listening =
        document.NodeChanges().Subscribe([&](const SNodeChange& c) { heard.push_back(c); });

    document.AnnounceChange(SNodeChange::Channels(kAreaScanEdge, 2, 3));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].area, kAreaScanEdge);
    EXPECT_TRUE(document.IsModified()) << "an edit marks the document modified";

    ASSERT_TRUE(document.SaveFile(dir.File("saved.cz5")).ok);
    EXPECT_EQ(heard.size(), 1u) << "saving changes no node";
    ASSERT_TRUE(document.OpenFile(dir.File("saved.cz5")).ok);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[1].everything);
    EXPECT_FALSE(document.IsModified()) << "an opened file is not an edit";

    EXPECT_FALSE(document.OpenFile(dir.File("missing.cz5")).ok);
    EXPECT_EQ(heard.size(), 2u) << "a file that does not open changes nothing";

    ui.QueueAnswer(IDYES);
    ASSERT_EQ(document.GetCloneManager().GetModelManager()->ChangeModel(1, true), 1);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_TRUE(heard[2].everything) << "a new model version replaces the data";

    // A transfer with the radio (here one that fails before it starts, the
    // radio never having been set up) may bring new data or clear channels.
    document.OnCloneRead();
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_TRUE(heard[3].everything);
    EXPECT_FALSE(heard[3].edit);
}

}  // namespace
