#include "ui/ComboChoiceList.h"

#include <QComboBox>

#include "model/Z5MemoryMap.h"

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void CComboChoiceList::Clear() {
    m_combo.clear();
}

void CComboChoiceList::AddText(std::string_view text) {
    m_combo.addItem(FromUtf8(text));
}

int CComboChoiceList::FindTextNoCase(std::string_view text) const {
    const QString wanted = FromUtf8(text);
    for (int index = 0; index < m_combo.count(); ++index) {
        if (m_combo.itemText(index).compare(wanted, Qt::CaseInsensitive) == 0) {
            return index;
        }
    }
    return -1;
}

void CComboChoiceList::Select(int index) {
    m_combo.setCurrentIndex(index);
}

bool FillComboFromLeaf(QComboBox& combo, CNode* parent, const char* area, const char* leaf) {
    combo.setProperty(kLeafAreaProperty, QString::fromLatin1(area));
    combo.setProperty(kLeafProperty, QString::fromLatin1(leaf));
    CComboChoiceList choices(combo);
    return z5map::FillLeafChoices(parent, area, leaf, choices);
}
