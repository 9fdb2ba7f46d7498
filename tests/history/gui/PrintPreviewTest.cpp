// File > Print Preview shows the pages that Print prints: the same job,
// drawn by the same code.
#include <QPrintPreviewWidget>

#include "app/PrintPreviewDlg.h"
#include "printing/PrintTestSupport.h"

namespace {

TEST_F(CPrintTest, ThePreviewShowsAsManyPagesAsPrintPrints) {
    for (const int section : {int(CPrintJob::kEverything), int(CPrintJob::kCallList)}) {
        std::unique_ptr<CPrintJob> job = MakeJob();
        job->AddJob(section);
        CPrintPreviewDlg preview(*job);
        const int shown = preview.PageCount();

        ASSERT_EQ(Print({section}), CPrintJob::EResult::kPrinted);
        EXPECT_EQ(static_cast<std::size_t>(shown), PdfPages(pdf).size()) << section;
        EXPECT_GT(shown, 0);
#ifdef CPZ5_SCREENSHOT_DIR
        if (section == CPrintJob::kEverything) {
            preview.show();
            preview.grab().save(QStringLiteral(CPZ5_SCREENSHOT_DIR "/preview.png"));
        }
#endif
    }
}

}  // namespace
