// What the printing tests share: a QM-Z5 document whose tree is the active
// one, model options the test chooses, the channel lists of the document, a
// PDF printer in a temporary folder, and the printed pages as text.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "../support/FakeModelOptions.h"
#include "../support/ScratchFiles.h"
#include "app/PrintJob.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "platform/MemorySettingsStore.h"
#include "print/ChannelGridPane.h"
#include "print/PrintDevice.h"
#include "support/ScriptedUserInterface.h"

// The document's lists, with the options the test sets and a record of the
// areas shown.
class CTestSheetPane : public CChannelGridPane {
  public:
    using CChannelGridPane::CChannelGridPane;

    int HasModelOption(const std::string& name) const override {
        return FakeModelOption(name, scrambler, ani);
    }
    void ShowArea(int area) override {
        shown.push_back(area);
        CChannelGridPane::ShowArea(area);
    }

    bool scrambler = false;
    bool ani = false;
    std::vector<int> shown;
};

// The title of a page: its first text, up to a wide gap.
inline std::string Title(const std::string& page) {
    const std::size_t start = page.find_first_not_of(" \n");
    const std::size_t end = page.find("  ", start);
    return start == std::string::npos ? "" : page.substr(start, end - start);
}

// The row labels ("00".."99") at the start of the lines of a page.
inline std::vector<std::string> RowLabels(const std::string& page) {
    static const std::regex label(R"(^\s*([0-9][0-9A-B])\s)", std::regex::multiline);
    std::vector<std::string> labels;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), label);
         it != std::sregex_iterator(); ++it) {
        labels.push_back((*it)[1]);
    }
    return labels;
}

inline std::vector<std::string> Titles(const std::vector<std::string>& pages) {
    std::vector<std::string> titles;
    for (const std::string& page : pages) {
        titles.push_back(Title(page));
    }
    return titles;
}

class CPrintTest : public ::testing::Test {
  protected:
    CPrintTest() { UsePrinterEntry("QM PDF,PDF," + pdf); }

    // The "device" entry of section "windows" the next job reads.
    void UsePrinterEntry(const std::string& entry) {
        settings.SetString(CPrintDevice::kProfileSection, CPrintDevice::kProfileDevice, entry);
    }

    // A job on the printer of the settings, with the margins of the print
    // dialog.
    std::unique_ptr<CPrintJob> MakeJob() {
        auto job =
            std::make_unique<CPrintJob>(std::make_unique<CPrintDevice>(settings), ui, lists, lists);
        job->Printer().SetMargins(15, 15, 0, 0);
        return job;
    }

    // Prints the sections of the codes; returns the run's result.
    CPrintJob::EResult Print(std::initializer_list<int> codes) {
        std::unique_ptr<CPrintJob> job = MakeJob();
        for (int code : codes) {
            job->AddJob(code);
        }
        return job->Run(nullptr);
    }

    // The text of every page of a PDF file (pdftotext), in order.
    static std::vector<std::string> PdfPages(const std::string& path) {
        const std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
        std::string text;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            std::size_t read = 0;
            while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
                text.append(buffer, read);
            }
            pclose(pipe);
        }
        std::vector<std::string> pages;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\f', start)) != std::string::npos;
             start = end + 1) {
            pages.push_back(text.substr(start, end - start));
        }
        return pages;
    }

    CScratchDir scratch;
    const std::string folder = scratch.Path();
    const std::string pdf = folder + "/out.pdf";
    CMemorySettingsStore settings;
    CScriptedUserInterface ui;
    CZ5Doc document{settings, ui};
    CTestSheetPane lists{document};
};
