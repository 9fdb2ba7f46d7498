#include "app/CompareDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

namespace {

struct SAreaTitle {
    const char* area;
    const char* title;
};

constexpr SAreaTitle kAreaTitles[] = {
    {"MCH", "Memory CH"},         {"PCH", "Program scan edge"}, {"CCH", "Call"},
    {"Common", "Common Setting"}, {"DTMF", "DTMF Autodial"},    {"PGR", "PGR Memory"},
};

constexpr int kPathRole = Qt::UserRole;

QString Side(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QStringLiteral("(none)");
}

}  // namespace

QString CCompareDlg::AreaTitle(const std::string& area) {
    for (const SAreaTitle& entry : kAreaTitles) {
        if (area == entry.area) {
            return QString::fromLatin1(entry.title);
        }
    }
    return QString::fromStdString(area);
}

CCompareDlg::CCompareDlg(const std::vector<LeafComparison::SDifference>& differences,
                         const QString& otherName, QWidget* parent)
    : QDialog(parent), m_tree(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Compare With %1").arg(otherName));
    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({QStringLiteral("Value"), QStringLiteral("This data"), otherName});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);

    std::map<std::string, QTreeWidgetItem*> groups;
    for (const LeafComparison::SDifference& difference : differences) {
        const std::string area = LeafComparison::AreaOf(difference.path);
        QTreeWidgetItem*& group = groups[area];
        if (group == nullptr) {
            group = new QTreeWidgetItem(m_tree, {AreaTitle(area)});
        }
        auto* row = new QTreeWidgetItem(group, {QString::fromStdString(difference.path),
                                                Side(difference.first), Side(difference.second)});
        row->setData(0, kPathRole, QString::fromStdString(difference.path));
    }
    m_tree->expandAll();
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { Choose(item); });

    auto* summary = new QLabel(
        differences.empty() ? QStringLiteral("The data and %1 hold the same values.").arg(otherName)
                            : QStringLiteral("%1 values differ. Double-click one to go to it.")
                                  .arg(differences.size()),
        this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(640, 420);
}

std::vector<std::string> CCompareDlg::ListedPaths() const {
    std::vector<std::string> paths;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = m_tree->topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r) {
            paths.push_back(group->child(r)->data(0, kPathRole).toString().toStdString());
        }
    }
    return paths;
}

void CCompareDlg::Choose(QTreeWidgetItem* item) {
    const QString path = item != nullptr ? item->data(0, kPathRole).toString() : QString();
    if (!path.isEmpty()) {
        m_chosen = path.toStdString();
        accept();
    }
}
