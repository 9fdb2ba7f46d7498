// cpz5-cli's setup, info, read and write as a script runs them: the built
// program, its own configuration directory, the virtual radio on a pty.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../support/CliRun.h"
#include "clone/Z5DefaultDataManager.h"
#include "platform/TempFile.h"
#include "radio/VirtualRadio.h"

namespace {

class CliTransfer : public ::testing::Test {
  protected:
    CliTransfer() {
        std::filesystem::create_directories(m_dir);
        const auto& factory = CZ5DefaultDataManager::FactoryImage(2);
        CImageBuffer memory(static_cast<std::uint32_t>(factory.size()));
        memory.Write(0, factory.data(), memory.GetSize());
        CVirtualRadio::SConfig config;
        config.optionByte = 0x02;  // USA
        m_radio = std::make_unique<CVirtualRadio>(memory, config);
        EXPECT_TRUE(m_radio->Start()) << m_radio->Error();
    }
    ~CliTransfer() override {
        m_radio->Stop();
        std::filesystem::remove_all(m_dir);
    }

    std::string File(const std::string& name) const { return m_dir + "/" + name; }

    // Runs cpz5-cli with the arguments, "PORT" replaced by the radio's pty,
    // without a terminal.
    SCliRun Run(std::string arguments) {
        const std::string port = m_radio->SlavePath();
        for (size_t at = arguments.find("PORT"); at != std::string::npos;
             at = arguments.find("PORT", at + port.size())) {
            arguments.replace(at, 4, port);
        }
        return RunCli(m_dir, arguments);
    }

    std::string m_dir = CTempFile::Directory() + "/cpz5-cli-transfer-" + std::to_string(getpid());
    std::unique_ptr<CVirtualRadio> m_radio;
};

TEST_F(CliTransfer, SetupThenReadChangeAndWriteBack) {
    EXPECT_EQ(Run("read --port PORT -o " + File("before.cz5")).status, 90) << "no setup yet";

    SCliRun setup = Run("setup --port PORT");
    ASSERT_EQ(setup.status, 0) << setup.err;
    EXPECT_NE(ReadWholeFile(File("config/Brel/CP-Z5.conf")).find("ModelVer=2"), std::string::npos);

    SCliRun info = Run("info --port PORT");
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out.rfind("Model: USA\nComment: ", 0), 0u) << info.out;

    ASSERT_EQ(Run("read --port PORT -o " + File("radio.cz5")).status, 0);
    ASSERT_EQ(Run("set " + File("radio.cz5") + " MCH.CH7.Clear=OFF MCH.CH7.FreqRx=146.52 " +
                  "MCH.CH7.Name=simplex")
                  .status,
              0);

    SCliRun refused = Run("write --port PORT " + File("radio.cz5"));
    EXPECT_EQ(refused.status, 1) << "no terminal and no --yes: cancelled";
    EXPECT_EQ(m_radio->Counters().dataFramesStored, 0u);

    SCliRun write = Run("write --port PORT --yes " + File("radio.cz5"));
    ASSERT_EQ(write.status, 0) << write.err;
    CImageBuffer memory = m_radio->GetMemory();
    EXPECT_EQ(memory.GetBit(0x6D0, 7), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(memory.Data() + 0x77), 5), "SIMPL");
}

TEST_F(CliTransfer, PortsThatCannotBeUsedEndWithTheirStatus) {
    EXPECT_EQ(Run("info --port /nonexistent/tty").status, 91);
    SCliRun noPort = Run("info");
    EXPECT_EQ(noPort.status, 64);
    EXPECT_EQ(Run("info --port LPT1").status, 64);
    EXPECT_EQ(Run("write --port PORT " + File("missing.cz5")).status, 2);
}

}  // namespace

#endif
