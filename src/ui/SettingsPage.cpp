#include "ui/SettingsPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QShowEvent>

#include "model/ChoiceList.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/ComboChoiceList.h"

CSettingsPage::CSettingsPage(int resourceId, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::number(resourceId));
}

CSettingsPage::~CSettingsPage() = default;

void CSettingsPage::Store() {
    CNode* area = Area();
    if (m_displayed && area != nullptr) {
        WriteBack(*area);
    }
}

QComboBox* CSettingsPage::AddChoiceRow(QFormLayout& form, const SChoiceRow& row) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::number(row.controlId));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FillComboFromLeaf(*list, Area(), kArea, row.leaf);
    form.addRow(QCoreApplication::translate("settingrows", row.label), list);
    m_lists.push_back({row, list});
    return list;
}

QComboBox* CSettingsPage::ChoiceList(std::string_view leaf) const {
    for (const SChoiceControl& control : m_lists) {
        if (leaf == control.row.leaf) {
            return control.list;
        }
    }
    return nullptr;
}

void CSettingsPage::SetContent(QLayout* content) {
    auto* page = new QGridLayout(this);
    page->addLayout(content, 0, 0);
    page->setColumnStretch(1, 1);
    page->setRowStretch(1, 1);
}

CNode* CSettingsPage::Area() {
    return CNode::ResolvePath(kArea);
}

void CSettingsPage::OnFirstDisplay(CNode& /*area*/) {}

void CSettingsPage::WriteBack(CNode& area) {
    for (const SChoiceControl& control : m_lists) {
        SetNodeText(&area, control.row.leaf, control.list->currentText().toStdString());
    }
}

void CSettingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_displayed) {
        return;
    }
    m_displayed = true;
    if (CNode* area = Area()) {
        OnFirstDisplay(*area);
    }
}
