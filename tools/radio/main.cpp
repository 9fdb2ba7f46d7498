// cpz5-radio: a virtual QM-Z5 on a pseudo-terminal (see --help).
#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <string>
#include <vector>

#include "CloneFiles.h"
#include "RadioOptions.h"
#include "clone/Z5DefaultDataManager.h"
#include "model/ImageBuffer.h"
#include "platform/ExitStatus.h"
#include "platform/FileCleanup.h"
#include "platform/Translation.h"
#ifdef CPZ5_TRANSLATIONS
#include "platform/QtTranslationFiles.h"
#endif
#include "radio/VirtualRadio.h"

namespace {

constexpr int kExitFailure = 1;

int Complain(const std::string& text, int status) {
    std::cerr << "cpz5-radio: " << text << "\n";
    return status;
}

bool InitialMemory(const SRadioOptions& options, CImageBuffer& memory, std::string& error) {
    if (!options.imagePath.empty()) {
        return LoadCloneFile(options.imagePath, options.EffectiveVersion(), memory, error);
    }
    const CZ5DefaultDataManager::Image& factory =
        CZ5DefaultDataManager::FactoryImage(options.EffectiveVersion());
    memory.Write(0, factory.data(), static_cast<std::uint32_t>(factory.size()));
    return true;
}

void SaveAfterWrites(CVirtualRadio& radio, const std::string& path, int version) {
    if (path.empty()) {
        return;
    }
    radio.SetWriteCallback([path, version](const CImageBuffer& memory) {
        std::string error;
        if (!SaveCloneFile(path, version, memory, error)) {
            std::cerr << "cpz5-radio: " << path << ": " << error << std::endl;
        }
    });
}

// Blocks the stop signals in every thread, so that the main thread alone
// takes them with sigwait.
sigset_t BlockStopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

// "--version" alone asks for the program's version; with a value it names
// the radio's model version.
bool IsVersionRequest(const std::vector<std::string>& arguments) {
    return arguments.size() == 1 && arguments.front() == "--version";
}

}  // namespace

int main(int argc, char** argv) {
#ifdef CPZ5_TRANSLATIONS
    CQtTranslationFiles::Install(CQtTranslationFiles::Choose(""), false);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsVersionRequest(arguments)) {
        std::cout << "cpz5-radio " << CPZ5_VERSION << "\n";
        return 0;
    }
    SRadioOptions options;
    std::string error;
    if (!SRadioOptions::Parse(arguments, options, error)) {
        return Complain(
            CTranslation::Args(CTranslation::Tr("RadioMain", "%1 (--help shows the options)"),
                               {error}),
            ExitStatus::kUsage);
    }
    if (options.help) {
        std::cout << SRadioOptions::Usage();
        return 0;
    }
    CFileCleanup::Start();
    CImageBuffer memory(CRadioProtocol::kMemorySize);
    if (!InitialMemory(options, memory, error)) {
        return Complain(options.imagePath + ": " + error, kExitFailure);
    }
    CVirtualRadio::SConfig config;
    config.optionByte = options.EffectiveOptionByte();
    config.baudRate = options.baudRate;
    config.fault = options.fault;
    config.bytesPerFrame = options.bytesPerFrame;
    CVirtualRadio radio(memory, config);
    SaveAfterWrites(radio, options.savePath, options.EffectiveVersion());

    sigset_t stopSignals = BlockStopSignals();
    if (!radio.Start()) {
        return Complain(radio.Error(), kExitFailure);
    }
    std::cout << "PTY " << radio.SlavePath() << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.Stop();
    return 0;
}
