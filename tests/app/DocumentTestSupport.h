// Helpers of the document's tests: a scratch directory that is also the
// temporary directory of the test, the settings and the scripted user
// interface a document is made with, and snapshots of a document.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../clone/CloneTestSupport.h"
#include "clone/CloneManager.h"
#include "document/Z5Doc.h"

// The document's temporary file goes into the scratch directory.
class CDocumentTest : public ::testing::Test {
  protected:
    CDocumentTest() {
        const char* old = std::getenv("TMPDIR");
        m_oldTmpDir = old != nullptr ? old : "";
        m_hadTmpDir = old != nullptr;
        ::setenv("TMPDIR", dir.Path().c_str(), 1);
    }
    ~CDocumentTest() override {
        if (m_hadTmpDir) {
            ::setenv("TMPDIR", m_oldTmpDir.c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

    // The files in the scratch directory whose name starts with prefix.
    std::vector<std::string> FilesStartingWith(const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0) {
                names.push_back(entry.path().string());
            }
        }
        return names;
    }

    CScratchDir dir;
    CMemorySettingsStore settings;
    CScriptedUserInterface ui;

  private:
    std::string m_oldTmpDir;
    bool m_hadTmpDir = false;
};

inline CNode& RootOf(CZ5Doc& document) {
    return *document.GetCloneManager().GetRadioData()->GetRoot();
}

// Every leaf's text by path.
inline std::map<std::string, std::string> LeafTexts(CZ5Doc& document) {
    std::map<std::string, std::string> texts;
    std::function<void(CNode&, const std::string&)> walk = [&](CNode& node,
                                                               const std::string& path) {
        if (node.GetChildren().empty()) {
            texts[path] = node.GetText();
        }
        for (CNode* child : node.GetChildren()) {
            walk(*child, path.empty() ? child->GetName() : path + "." + child->GetName());
        }
    };
    walk(RootOf(document), "");
    return texts;
}

inline std::vector<std::uint8_t> ImageOf(CZ5Doc& document) {
    const CEepromDataManager& image = *document.GetCloneManager().GetMemoryImage();
    return std::vector<std::uint8_t>(image.Data(), image.Data() + image.GetSize());
}

// A clone file of the given bytes in the writer's format, with LF line ends.
inline std::string CloneText(const std::vector<std::uint8_t>& image, const std::string& end) {
    std::string text = "24680001" + end + "#" + end;
    char hex[8];
    for (std::size_t address = 0; address < image.size(); address += 16) {
        std::snprintf(hex, sizeof hex, "%04X10", static_cast<unsigned>(address));
        text += hex;
        for (std::size_t i = address; i < address + 16; ++i) {
            std::snprintf(hex, sizeof hex, "%02X", image[i]);
            text += hex;
        }
        text += end;
    }
    return text;
}
