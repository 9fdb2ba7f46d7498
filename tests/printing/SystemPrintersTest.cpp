// What CUPS' tools say, as the program reads it: the printers' names, the
// default one and a printer's default paper, and what that paper becomes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/PrintDevice.h"
#include "print/SystemPrinters.h"

namespace {

TEST(SystemPrintersTest, ReadsTheToolsOutputs) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(CSystemPrinters::ParseNames("Office\nLab_2\n"), (Names{"Office", "Lab_2"}));
    EXPECT_EQ(CSystemPrinters::ParseNames(""), Names{});
    EXPECT_EQ(CSystemPrinters::ParseNames("lpstat: No destinations added.\n"), Names{});

    // The default printer (lpstat -d) and a printer's default paper
    // (lpoptions -l).
    const struct {
        std::string (*parse)(const std::string&);
        const char* output;
        const char* found;
    } cases[] = {
        {CSystemPrinters::ParseDefault, "system default destination: Office\n", "Office"},
        {CSystemPrinters::ParseDefault, "no system default destination\n", ""},
        {CSystemPrinters::ParseDefault, "", ""},
        {CSystemPrinters::ParsePaper,
         "PageSize/Page Size: Letter Legal *A4 A5\nDuplex/2-Sided: *None\n", "A4"},
        {CSystemPrinters::ParsePaper,
         "Resolution/Output Resolution: *300dpi\nPageSize/Media Size: *Letter A4\n", "Letter"},
        {CSystemPrinters::ParsePaper, "PageSize/Page Size: Letter A4\n", ""},
        {CSystemPrinters::ParsePaper, "InputSlot/Source: *Auto\n", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.parse(c.output), c.found) << c.output;
    }
}

// A printer's paper as its PPD names it; an unknown name prints on A4.
TEST(SystemPrintersTest, ThePaperOfAPrinterBecomesThePageSize) {
    const struct {
        const char* paper;
        QPageSize::PageSizeId size;
    } cases[] = {
        {"A4", QPageSize::A4}, {"Letter", QPageSize::Letter},  {"Legal", QPageSize::Legal},
        {"", QPageSize::A4},   {"NoSuchPaper", QPageSize::A4},
    };
    for (const auto& c : cases) {
        const SPageSettings page = CPrintDevice::DefaultPageSettings(c.paper);
        EXPECT_EQ(page.layout.pageSize().id(), c.size) << c.paper;
        EXPECT_EQ(page.layout.orientation(), QPageLayout::Portrait) << c.paper;
        EXPECT_EQ(page.copies, 1) << c.paper;
    }
}

}  // namespace
