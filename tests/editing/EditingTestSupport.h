// What the editing tests share: a QM-Z5 data tree as the active root with
// every channel cleared, a host that records what the grid asks of it (and
// announces the grid's changes as the document does, holding the program's
// command busy flag for its dialogs), and ways to program channels and
// answer modal dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "document/CloneSupportDoc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5RadioDataManager.h"
#include "platform/MemorySettingsStore.h"
#include "support/ActiveZ5TreeTest.h"
#include "support/ScriptedUserInterface.h"
#include "ui/ListSheetHost.h"

class CEditingHost : public CListSheetHost {
  public:
    int GetListArea() const override { return area; }
    void FocusTree() override {}
    void FocusList() override {}
    void ShowContextMenu(int menuId, const QPoint&) override { contextMenus.push_back(menuId); }
    int HasModelOption(const std::string& name) const override {
        if (name == "DETOP_SCRM") {
            return scrambler ? 1 : 0;
        }
        return name == "DETOP_RXEXP" || name == "DETOP_ANI" ? 0 : -1;
    }
    int GetModelVersion() const override { return 0; }
    CNodeChanges* NodeChanges() const override { return &changes; }
    void NodesChanged(const SNodeChange& change) override {
        modifiedMarks += change.edit ? 1 : 0;
        told.push_back(change);
        changes.Announce(change);
    }
    bool TryEnterCommand() override { return CCloneSupportDoc::TryEnterCommand(); }
    void LeaveCommand() override { CCloneSupportDoc::LeaveCommand(); }
    CUserInterface* UserInterface() const override { return &ui; }

    int area = kAreaMemory;
    bool scrambler = true;
    int modifiedMarks = 0;
    std::vector<int> contextMenus;
    std::vector<SNodeChange> told;
    mutable CNodeChanges changes;
    mutable CScriptedUserInterface ui;
};

class EditingTest : public CActiveZ5TreeTest {
  protected:
    static CNode* Node(const std::string& path) { return CNode::ResolvePath(path); }

    static std::string Text(const std::string& path) {
        const CNode* node = Node(path);
        return node != nullptr ? node->GetText() : "<missing>";
    }

    // Puts a channel in use with the given leaf texts (after a base set).
    static CNode* Program(const std::string& path, const char* frequency,
                          const std::map<std::string, std::string>& leaves = {}) {
        CNode* channel = Node(path);
        SetNodeText(channel, "Clear", "OFF");
        SetNodeFreq(channel, "FreqRx", frequency);
        for (const auto& [leaf, text] : leaves) {
            SetNodeText(channel, leaf, text);
        }
        return channel;
    }

    // Every leaf of a channel as text.
    static std::map<std::string, std::string> Leaves(const std::string& path) {
        std::map<std::string, std::string> texts;
        for (const CNode* leaf : Node(path)->GetChildren()) {
            texts[leaf->GetName()] = leaf->GetText();
        }
        return texts;
    }

    // Each path (below prefix) shows its text.
    static void ExpectTexts(const std::string& prefix,
                            const std::map<std::string, std::string>& expected) {
        for (const auto& [path, text] : expected) {
            EXPECT_EQ(Text(prefix + path), text) << prefix << path;
        }
    }

    CMemorySettingsStore settings;
    CEditingHost host;
};

// Runs answer on the next modal dialog as soon as it shows. The watch ends
// with that dialog; the returned timer may be deleted to end it before.
inline QTimer* AnswerNextDialog(std::function<void(QDialog&)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(*dialog);
        }
    });
    timer->start();
    return timer;
}

// The control named id below parent.
template <class T>
T* Control(const QWidget& parent, int id) {
    T* control = parent.findChild<T*>(QString::number(id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

// Frequencies and offsets typed as people write them, and what the
// channel's editors (the dialog's fields and the grid's cells) do with
// them: the leaf's text afterwards, or, for a text they refuse, a part of
// the reason they give.
struct STypedFrequencyCase {
    bool offset;  // the offset, else the receive frequency
    const char* typed;
    const char* stored;  // nullptr: refused, nothing stored
    const char* reason;
};
inline constexpr STypedFrequencyCase kTypedFrequencies[] = {
    {false, "146,52", "146.52000", ""},
    {false, "146.52", "146.52000", ""},
    {false, " +146,0125\t", "146.01250", ""},
    {false, ",5", "0.50000", ""},
    {false, "0000146,52", "146.52000", ""},
    {true, "0,6", "0.60000", ""},
    {true, "5,00625", "5.00500", ""},  // moved down to the raster, as ever
    {false, "146.5x", nullptr, "\u201c146.5x\u201d is not a frequency in MHz"},
    {false, "146,52 MHz", nullptr, "is not a frequency"},
    {false, "1e3", nullptr, "is not a frequency"},
    {false, "1.234,5", nullptr, "is not a frequency"},
    {false, "146,5,2", nullptr, "is not a frequency"},
    {false, "abc", nullptr, "is not a frequency"},
    {false, "\u0661\u0664\u0666", nullptr, "is not a frequency"},
    {false, "-146", nullptr, "negative"},
    {false, ",", nullptr, "no digits"},
    {false, "250", nullptr, "outside 0.00000 to 199.99000 MHz"},
    {true, "0.6.", nullptr, "is not a frequency"},
    {true, "120", nullptr, "outside 0.00000 to 99.99500 MHz"},
};
