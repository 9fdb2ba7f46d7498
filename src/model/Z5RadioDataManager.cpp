#include "model/Z5RadioDataManager.h"

#include <map>
#include <mutex>
#include <string>

#include "model/FreqNode.h"
#include "model/Z5MemoryMap.h"

CPZ5_IMPLEMENT_CLASS(CZ5RadioDataManager, CRadioDataManager)

namespace {

using z5map::AreaLayout;
using z5map::LeafRow;
using z5map::RecordPlace;

// Calls visit(record node, place) for every record of area found below root.
template <class Visit>
void ForEachRecord(CNode* root, const AreaLayout& area, Visit visit) {
    CNode* areaNode = root != nullptr ? root->GetChild(area.name) : nullptr;
    if (areaNode == nullptr) {
        return;
    }
    for (int i = 0; i < area.record_count; ++i) {
        CNode* record = area.record_prefix == nullptr
                            ? areaNode
                            : areaNode->GetChild(area.record_prefix + std::to_string(i));
        if (record != nullptr) {
            const RecordPlace place{area.first_record + area.record_size * i,
                                    area.first_flag < 0 ? -1 : area.first_flag + i};
            visit(*record, place);
        }
    }
}

void DecodeArea(CNode* root, const CImageBuffer& image, const AreaLayout& area) {
    ForEachRecord(root, area, [&](CNode& record, RecordPlace place) {
        for (const LeafRow& row : area.leaves) {
            if (row.codec != nullptr) {
                row.codec->decode(image, row, place, record);
            }
        }
    });
}

void EncodeArea(CNode* root, CImageBuffer& image, const AreaLayout& area) {
    ForEachRecord(root, area, [&](const CNode& record, RecordPlace place) {
        for (const LeafRow& row : area.leaves) {
            if (row.codec != nullptr) {
                row.codec->encode(image, row, place, record);
            }
        }
    });
}

// The choice texts of a row, made once for every leaf of that row in every
// tree (a scrambler code list alone has 256 texts, and there are 108
// channels).
const CValueList& ChoicesOf(z5map::ChoiceFiller fill) {
    static std::mutex guard;
    static std::map<z5map::ChoiceFiller, CValueList> made;
    const std::lock_guard<std::mutex> lock(guard);
    const auto [place, added] = made.try_emplace(fill, 0, 0);
    if (added) {
        fill(place->second);
    }
    return place->second;
}

void ConfigureLeaf(CNode& leaf, const LeafRow& row) {
    CValueList* value = leaf.GetValuePart();
    if (value == nullptr) {
        return;
    }
    if (row.choices != nullptr) {
        value->ShareChoices(ChoicesOf(row.choices));
    }
    if (leaf.IsKindOf(CFreqNode::kRuntimeClass)) {
        value->SetRange(value->GetMinimum(), row.limit);
    }
}

}  // namespace

CZ5RadioDataManager::~CZ5RadioDataManager() {
    nodes_.clear();
}

CNode* CZ5RadioDataManager::MakeNode(const CRuntimeClass& nodeClass, std::string_view name) {
    std::unique_ptr<CNode> node = CreateObjectAs<CNode>(nodeClass);
    if (node == nullptr) {
        return nullptr;
    }
    node->SetName(name);
    nodes_.push_back(std::move(node));
    return nodes_.back().get();
}

void CZ5RadioDataManager::Initialize() {
    if (!nodes_.empty()) {
        return;
    }
    for (const AreaLayout& area : z5map::AreasInTreeOrder()) {
        CNode* areaNode = MakeNode(CNode::kRuntimeClass, area.name);
        AddArea(areaNode);
        for (int i = 0; i < area.record_count && areaNode != nullptr; ++i) {
            AddLeaves(area.record_prefix == nullptr
                          ? areaNode
                          : areaNode->AddChild(MakeNode(CNode::kRuntimeClass,
                                                        area.record_prefix + std::to_string(i))),
                      area.leaves);
        }
    }
}

void CZ5RadioDataManager::AddLeaves(CNode* record, std::span<const z5map::LeafRow> leaves) {
    for (const LeafRow& row : leaves) {
        CNode* leaf =
            record != nullptr ? record->AddChild(MakeNode(*row.node_class, row.leaf)) : nullptr;
        if (leaf != nullptr) {
            ConfigureLeaf(*leaf, row);
        }
    }
}

bool CZ5RadioDataManager::NodesToImage(CNode* root, CImageBuffer& image) {
    for (std::string_view area : z5map::AreasInCodecOrder()) {
        AreaToImage(root, image, area);
    }
    return true;
}

bool CZ5RadioDataManager::ImageToNodes(CNode* root, const CImageBuffer& image) {
    for (std::string_view area : z5map::AreasInCodecOrder()) {
        ImageToArea(root, image, area);
    }
    return true;
}

bool CZ5RadioDataManager::AreaToImage(CNode* root, CImageBuffer& image, std::string_view area) {
    const AreaLayout* layout = z5map::FindArea(area);
    if (layout == nullptr) {
        return false;
    }
    EncodeArea(root, image, *layout);
    return true;
}

bool CZ5RadioDataManager::ImageToArea(CNode* root, const CImageBuffer& image,
                                      std::string_view area) {
    const AreaLayout* layout = z5map::FindArea(area);
    if (layout == nullptr) {
        return false;
    }
    DecodeArea(root, image, *layout);
    return true;
}
