// CZ5RadioDataManager: the memory map of the QM-Z5. Initialize builds the
// data tree once: below the root the areas "MCH" (channels CH0 to CH99),
// "PCH" (CH0 to CH5), "CCH" (CH0), "DTMF", "PGR" (C0 to C6) and "Common", each
// with its leaves in the order of the memory map (Z5MemoryMap.cpp). The
// manager owns every node it creates and deletes them when it is destroyed;
// pointers to nodes are valid until then. A second Initialize changes nothing.
//
// ImageToNodes and NodesToImage convert between the tree below a root and a
// 1,952-byte image (areas in the order Common, MCH, PCH, CCH, DTMF, PGR);
// ImageToArea and AreaToImage do the same for one area. Only the bits of the
// memory map are read and written; every other bit of the image stays as it
// was. Areas, records or leaves missing below the given root are skipped, and
// an image too small reads as erased memory and takes no writes beyond its
// end. Values outside what a field can hold are normalised as the radio does
// (see Z5LeafCodecs.h).
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "model/RadioDataManager.h"

class CRuntimeClass;
namespace z5map {
struct LeafRow;
}

class CZ5RadioDataManager : public CRadioDataManager {
    CPZ5_DECLARE_CLASS(CZ5RadioDataManager)
  public:
    CZ5RadioDataManager() = default;
    ~CZ5RadioDataManager() override;

    void Initialize() override;

    // Both return true.
    bool NodesToImage(CNode* root, CImageBuffer& image) override;
    bool ImageToNodes(CNode* root, const CImageBuffer& image) override;

    // One area by name ("MCH", "Common", ...); false for a name that is not an
    // area of the memory map.
    bool AreaToImage(CNode* root, CImageBuffer& image, std::string_view area);
    bool ImageToArea(CNode* root, const CImageBuffer& image, std::string_view area);

  private:
    // A new node of the class, named name and owned by this manager; nullptr
    // when the class cannot make nodes.
    CNode* MakeNode(const CRuntimeClass& nodeClass, std::string_view name);

    // Adds one leaf per row below record (nothing when record is nullptr).
    void AddLeaves(CNode* record, std::span<const z5map::LeafRow> leaves);

    std::vector<std::unique_ptr<CNode>> nodes_;
};
