// What the history tests share: a QM-Z5 document set up for a USA radio on
// COM1, the virtual radio, and a history folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "../support/EngineTiming.h"
#include "../support/VirtualRadioSupport.h"
#include "clone/CloneManager.h"
#include "clone/Z5CloneRsIoManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "radio/VirtualRadio.h"
#include "support/ScriptedUserInterface.h"
#include "transport/PortName.h"

namespace history_test {

constexpr int kUsa = 2;
constexpr int kEur = 3;

inline CImageBuffer FactoryImage(int version = kUsa) {
    const auto& table = CZ5DefaultDataManager::FactoryImage(version);
    CImageBuffer image(static_cast<std::uint32_t>(table.size()));
    image.Write(0, table.data(), image.GetSize());
    return image;
}

// The names in directory.
inline std::set<std::string> FilesIn(const std::string& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// While it lives, temporary files (of this process and of the programs it
// starts) go into directory, made here, where a test can see them.
class CTempDirHere {
  public:
    explicit CTempDirHere(const std::string& directory) {
        std::filesystem::create_directories(directory);
        if (const char* old = std::getenv("TMPDIR")) {
            m_old = old;
        }
        ::setenv("TMPDIR", directory.c_str(), 1);
    }
    ~CTempDirHere() {
        if (m_old) {
            ::setenv("TMPDIR", m_old->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    CTempDirHere(const CTempDirHere&) = delete;
    CTempDirHere& operator=(const CTempDirHere&) = delete;

  private:
    std::optional<std::string> m_old;
};

inline std::string Text(const std::string& path) {
    CNode* node = CNode::ResolvePath(path);
    return node != nullptr ? node->GetText() : "<missing " + path + ">";
}

inline void SetText(const std::string& path, const std::string& text) {
    CNode* node = CNode::ResolvePath(path);
    ASSERT_NE(node, nullptr) << path;
    node->SetText(text);
}

class HistoryBench : public ::testing::Test {
  protected:
    HistoryBench() {
        std::filesystem::create_directories(m_dir);
        m_settings.SetInt("Model", "Setup", 1);
        m_settings.SetInt("Model", "ModelVer", kUsa);
        m_document = std::make_unique<CZ5Doc>(m_settings, m_ui);
        Transfer().GetEngine().SetTiming(FastEngineTiming());
        Transfer().SetPortNumber(1);
        m_document->EnableReadHistory(HistoryFolder());
    }
    ~HistoryBench() override {
        m_document.reset();
        if (m_radio) {
            m_radio->Stop();
        }
        CPortName::Bind(1, "");
        std::filesystem::remove_all(m_dir);
    }

    std::string HistoryFolder() const { return m_dir + "/history"; }

    CZ5CloneRsIoManager& Transfer() {
        return *dynamic_cast<CZ5CloneRsIoManager*>(
            m_document->GetCloneManager().GetSerialTransfer());
    }

    CVirtualRadio& StartRadio(const CImageBuffer& memory, CRadioFault fault = {},
                              std::uint8_t optionByte = kUsa) {
        m_radio = StartedRadioOnPort(1, memory, RadioConfig(optionByte, fault));
        return *m_radio;
    }

    // The messages shown, as their texts.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : m_ui.m_messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    const std::string m_dir =
        CTempFile::Directory() + "/cpz5-history-" + std::to_string(::getpid());
    CMemorySettingsStore m_settings;
    CScriptedUserInterface m_ui;
    std::unique_ptr<CZ5Doc> m_document;
    std::unique_ptr<CVirtualRadio> m_radio;
};

}  // namespace history_test
