// The windows that open on their own, each made as the program makes it,
// with a little data: the focus, naming and screenshot checks walk them all.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/CompareDlg.h"
#include "app/HistoryDlg.h"
#include "app/Z5MainFrame.h"
#include "ui/CommPortSetupDlg.h"
#include "ui/CommandIds.h"
#include "ui/InformationDlg.h"
#include "ui/SetFieldDlg.h"
#include "ui/Z5ChEditDlg.h"

using DialogMaker = std::function<std::unique_ptr<QDialog>()>;

inline std::vector<DialogMaker> StandaloneDialogs() {
    return {
        [] { return std::make_unique<CZ5ChEditDlg>("MCH.CH3", kAreaMemory, true); },
        [] {
            return std::make_unique<CCommPortSetupDlg>(
                1, [](int) { return std::string("/dev/ttyUSB0"); }, [](int) { return false; });
        },
        [] {
            return std::make_unique<CCompareDlg>(
                std::vector<LeafComparison::SDifference>{{"MCH.CH3.Name", "A", "B"}},
                QStringLiteral("other.cz5"));
        },
        [] {
            return std::make_unique<CHistoryDlg>(
                std::vector<CHistoryDlg::SRow>{{"/tmp/a.cz5", "2024-01-01 10:00", "id", "USA"}},
                QStringLiteral("/tmp"), [](const std::string&) { return std::string("3"); });
        },
        [] { return std::make_unique<CInformationDlg>("QM-Z5", "comment"); },
        [] {
            return std::make_unique<CSetFieldDlg>(std::vector<int>{2, 4}, 4, 3, nullptr, nullptr);
        },
        [] { return std::make_unique<CAboutDlg>(); },
    };
}

// Opens the dialogs of the View menu (common settings, DTMF, PGR) as their
// commands do and hands each of their pages, shown, to visit.
inline void VisitViewDialogPages(CZ5MainFrame& frame,
                                 const std::function<void(QDialog&, QTabWidget*, int)>& visit) {
    for (const int command : {Cmd::CommonSetting, Cmd::DtmfAutodial, Cmd::PgrMemory}) {
        bool visited = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* pages = dialog->findChild<QTabWidget*>();
            for (int page = 0; page < (pages != nullptr ? pages->count() : 1); ++page) {
                if (pages != nullptr) {
                    pages->setCurrentIndex(page);
                }
                visit(*dialog, pages, page);
            }
            visited = true;
            dialog->reject();
        });
        frame.RunCommand(command);
        EXPECT_TRUE(visited) << command;
    }
}
