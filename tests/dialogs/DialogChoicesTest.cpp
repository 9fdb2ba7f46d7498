// Every drop-down list and choice button of the settings dialogs offers
// exactly the choices of its leaf in the memory map, with no list that does
// not say which leaf it edits.
#include <QComboBox>
#include <QRadioButton>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "model/Z5MemoryMap.h"
#include "ui/ComboChoiceList.h"
#include "ui/ListSheetHost.h"
#include "ui/Z5ChEditDlg.h"
#include "ui/Z5CommonPropSheet.h"
#include "ui/Z5DtmfAutodialDlg.h"

namespace {

std::string Property(const QObject& object, const char* name) {
    return object.property(name).toString().toStdString();
}

// The texts the map gives the leaf for the values editors offer; values
// without a text are not offered.
std::vector<std::string> MapChoices(const std::string& area, const std::string& leaf) {
    std::vector<std::string> offered;
    for (std::string& text : z5map::ChoiceTexts(area, leaf)) {
        if (!text.empty()) {
            offered.push_back(std::move(text));
        }
    }
    return offered;
}

std::vector<std::string> ListTexts(const QComboBox& list) {
    std::vector<std::string> texts;
    for (int index = 0; index < list.count(); ++index) {
        texts.push_back(list.itemText(index).toStdString());
    }
    return texts;
}

// Checks every list of dialog; returns how many there were.
int ExpectListsOfferTheirLeafChoices(const QWidget& dialog) {
    int lists = 0;
    for (const QComboBox* list : dialog.findChildren<QComboBox*>()) {
        const std::string area = Property(*list, kLeafAreaProperty);
        const std::string leaf = Property(*list, kLeafProperty);
        EXPECT_FALSE(leaf.empty())
            << "list " << list->objectName().toStdString() << " does not name its leaf";
        EXPECT_EQ(ListTexts(*list), MapChoices(area, leaf)) << area << "." << leaf;
        ++lists;
    }
    return lists;
}

class DialogChoicesTest : public CAllUnitsDialogTest {};

TEST_F(DialogChoicesTest, CommonSettingListsOfferTheirLeafChoices) {
    CZ5CommonPropSheet sheet(model, 0);
    // 14 lists on the first page, 4 scrambler and 3 ANI lists.
    EXPECT_EQ(ExpectListsOfferTheirLeafChoices(sheet), 21);
}

TEST_F(DialogChoicesTest, DtmfAutodialListOffersTheSpeedChoices) {
    CZ5DtmfAutodialDlg dialog;
    EXPECT_EQ(ExpectListsOfferTheirLeafChoices(dialog), 1);
}

TEST_F(DialogChoicesTest, ChannelDialogListsAndButtonsOfferTheirLeafChoices) {
    for (const char* path : {"MCH.CH5", "PCH.CH0", "CCH.CH0"}) {
        CZ5ChEditDlg dialog(path, kAreaMemory, true);
        EXPECT_EQ(ExpectListsOfferTheirLeafChoices(dialog), 6) << path;
        // Button i of a leaf stands for value i and shows its choice text.
        std::map<std::string, std::vector<std::string>> buttons;
        for (const QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
            buttons[Property(*button, kLeafProperty)].push_back(button->text().toStdString());
        }
        const std::map<std::string, std::vector<std::string>> expected = {
            {z5leaf::kToneSet, MapChoices(z5area::kMemory, z5leaf::kToneSet)},
            {z5leaf::kAniSet, MapChoices(z5area::kMemory, z5leaf::kAniSet)},
            {z5leaf::kScrmSet, MapChoices(z5area::kMemory, z5leaf::kScrmSet)},
        };
        EXPECT_EQ(buttons, expected) << path;
    }
}

}  // namespace
