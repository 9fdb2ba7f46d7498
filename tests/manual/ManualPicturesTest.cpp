// The manual shows a picture of each window it describes, made by the build
// from the program's own code.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ManualPictures.h"

namespace {

namespace fs = std::filesystem;

const fs::path kPictures = CPZ5_PICTURES;

// The manual with every run of white space made one blank, so that a phrase
// broken over lines is found.
std::string Manual() {
    std::ifstream file(CPZ5_MANUAL);
    std::stringstream text;
    text << file.rdbuf();
    return std::regex_replace(text.str(), std::regex(R"(\s+)"), " ");
}

struct SImage {
    std::size_t at;  // where the tag starts in the manual
    std::string source;
    std::string alt;
    int width = -1;
    int height = -1;
};

std::string Attribute(const std::string& tag, const char* name) {
    std::smatch match;
    const std::regex pattern(std::string(" ") + name + "=\"([^\"]*)\"");
    return std::regex_search(tag, match, pattern) ? match[1].str() : std::string();
}

int Number(const std::string& text) {
    return text.empty() || !std::ranges::all_of(text, ::isdigit) ? -1 : std::stoi(text);
}

std::vector<SImage> Images(const std::string& manual) {
    std::vector<SImage> images;
    const std::regex tag(R"(<img\b[^>]*>)");
    for (auto it = std::sregex_iterator(manual.begin(), manual.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::string text = it->str();
        images.push_back({static_cast<std::size_t>(it->position()), Attribute(text, "src"),
                          Attribute(text, "alt"), Number(Attribute(text, "width")),
                          Number(Attribute(text, "height"))});
    }
    return images;
}

// A PNG file's width and height (its header chunk); -1 when it is none.
std::pair<int, int> PngSize(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::array<unsigned char, 24> head{};
    file.read(reinterpret_cast<char*>(head.data()), head.size());
    constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                         '\r', '\n', 0x1A, '\n'};
    if (!file || !std::equal(kSignature.begin(), kSignature.end(), head.begin())) {
        return {-1, -1};
    }
    const auto big = [&head](int at) {
        return static_cast<int>((head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) |
                                head[at + 3]);
    };
    return {big(16), big(20)};
}

std::string PictureSource(const char* file) {
    return std::string(CManualPictures::kFolder) + "/" + file;
}

TEST(ManualPictures, EveryPictureTheManualShowsIsMadeUpToDateAndAtItsSize) {
    const std::vector<SImage> images = Images(Manual());
    ASSERT_FALSE(images.empty());
    // The newest of what the pictures are made from: the program that draws
    // them (it links every library that draws a window) and the demo files.
    fs::file_time_type made_from = fs::last_write_time(CPZ5_PICTURE_MAKER);
    for (const auto& demo : fs::directory_iterator(CPZ5_PICTURE_DEMO)) {
        made_from = std::max(made_from, demo.last_write_time());
    }
    for (const SImage& image : images) {
        SCOPED_TRACE(image.source);
        const std::string prefix = std::string(CManualPictures::kFolder) + "/";
        ASSERT_TRUE(image.source.starts_with(prefix));
        const fs::path path = kPictures / image.source.substr(prefix.size());
        ASSERT_TRUE(fs::exists(path)) << "not made: " << path;
        EXPECT_GE(fs::last_write_time(path), made_from) << "older than the program that draws it";
        EXPECT_FALSE(image.alt.empty()) << "no text for those who cannot see it";
        const auto [width, height] = PngSize(path);
        EXPECT_EQ(image.width, width) << "the picture would be drawn stretched";
        EXPECT_EQ(image.height, height) << "the picture would be drawn stretched";
    }
}

// The manual shows every picture the program makes, each once.
TEST(ManualPictures, TheManualShowsEveryPictureMadeOnce) {
    std::multiset<std::string> shown;
    for (const SImage& image : Images(Manual())) {
        shown.insert(image.source);
    }
    std::multiset<std::string> made;
    for (const CManualPictures::SPicture& picture : CManualPictures::Catalogue()) {
        made.insert(PictureSource(picture.file));
    }
    EXPECT_EQ(shown, made);
}

// Each window the manual describes, by the words that name it, and its
// picture: shown after those words, before the next section starts.
struct SNamedWindow {
    const char* words;
    const char* picture;
};
constexpr SNamedWindow kNamedWindows[] = {
    {"The <b>Setup</b> window", "setup.png"},
    {"<h2 id=\"window\">The main window</h2>", "main-window.png"},
    {"<b>Clone &gt; Read &lt;- TR</b>", "transfer.png"},
    {"<b>Clone &gt; Information...</b>", "information.png"},
    {"<b>Edit &gt; Edit Memory...</b>", "edit-memory.png"},
    {"<b>Edit &gt; Set Field...</b>", "set-field.png"},
    {"<b>View &gt; Common Setting...</b>", "common-setting.png"},
    {"<b>View &gt; DTMF Autodial...</b>", "dtmf-autodial.png"},
    {"<b>View &gt; PGR Memory...</b>", "pgr-memory.png"},
    {"<b>Edit &gt; Find...</b>", "find-bar.png"},
    {"<b>File &gt; Radio History...</b>", "radio-history.png"},
    {"<b>File &gt; Compare With...</b>", "compare.png"},
    {"<b>File &gt; Print</b> (Ctrl+P)", "print.png"},
    {"<b>File &gt; Print Preview</b>", "print-preview.png"},
};

TEST(ManualPictures, EveryWindowTheManualDescribesIsShownInItsSection) {
    const std::string manual = Manual();
    const std::vector<SImage> images = Images(manual);
    for (const SNamedWindow& window : kNamedWindows) {
        SCOPED_TRACE(window.words);
        const std::size_t named = manual.find(window.words);
        ASSERT_NE(named, std::string::npos) << "the manual no longer names the window";
        const std::size_t sectionEnd = manual.find("<h2", named + 1);
        const auto shown = std::ranges::find_if(images, [&](const SImage& image) {
            return image.source == PictureSource(window.picture) && image.at > named &&
                   image.at < sectionEnd;
        });
        EXPECT_NE(shown, images.end()) << window.picture << " is not shown after the words";
    }
}

// Every picture the program makes is of a window the table above names.
TEST(ManualPictures, EveryPictureMadeIsOfANamedWindow) {
    for (const CManualPictures::SPicture& picture : CManualPictures::Catalogue()) {
        const bool named = std::ranges::any_of(kNamedWindows, [&](const SNamedWindow& window) {
            return std::string(window.picture) == picture.file;
        });
        EXPECT_TRUE(named) << picture.file;
    }
}

}  // namespace
