// What the dialog tests share: a QM-Z5 document whose tree is the active
// one, model options the test chooses, and reading the leaves of an area.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <map>
#include <string>

#include "../support/FakeModelOptions.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "platform/MemorySettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "views/ModelOptions.h"

// Fixed answers: the version and which option units are fitted.
class CFakeModelOptions : public CModelOptions {
  public:
    int HasModelOption(const std::string& name) const override {
        return FakeModelOption(name, scrambler, ani);
    }
    int GetModelVersion() const override { return version; }

    int version = 2;
    bool scrambler = false;
    bool ani = false;
};

class CDialogTest : public ::testing::Test {
  protected:
    // Every leaf of area (path) as text, by name.
    static std::map<std::string, std::string> Leaves(const char* area) {
        std::map<std::string, std::string> texts;
        const CNode* node = CNode::ResolvePath(area);
        for (const CNode* leaf : node->GetChildren()) {
            texts[leaf->GetName()] = leaf->GetText();
        }
        return texts;
    }

    static std::string Text(const char* path) {
        const CNode* node = CNode::ResolvePath(path);
        return node != nullptr ? node->GetText() : "<missing>";
    }

    static void SetText(const char* path, const char* text) {
        ASSERT_NE(CNode::ResolvePath(path), nullptr) << path;
        CNode::ResolvePath(path)->SetText(text);
    }

    // The control named id (its resource number) below parent.
    template <class T>
    static T* Control(const QWidget& parent, int id) {
        T* control = parent.findChild<T*>(QString::number(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }

    CMemorySettingsStore settings;
    CScriptedUserInterface ui;
    CZ5Doc document{settings, ui};
    CFakeModelOptions model;
};

// With every option unit fitted, so that every page and list is there.
class CAllUnitsDialogTest : public CDialogTest {
  protected:
    CAllUnitsDialogTest() {
        model.scrambler = true;
        model.ani = true;
    }
};
