// CRadioDataManager: the memory map as a clone manager component. It owns the
// root of the data tree, an unnamed CNode, for its whole life. A model's
// subclass builds the tree below the root in Initialize and moves values
// between the nodes and the memory image; the base builds nothing and its
// conversions do nothing.
#pragma once

#include "model/CloneManagerObject.h"
#include "model/ImageBuffer.h"
#include "model/Node.h"

class CRadioDataManager : public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CRadioDataManager)
  public:
    CRadioDataManager() = default;

    // The root of the tree; owned by this manager, valid while it lives.
    virtual CNode* GetRoot() { return &root_; }

    // Stores every node below root into image. Returns true when the model
    // knows how (the base: false, nothing written).
    virtual bool NodesToImage(CNode* root, CImageBuffer& image);
    // Sets every node below root from image. Returns true when the model knows
    // how (the base: false, nothing read).
    virtual bool ImageToNodes(CNode* root, const CImageBuffer& image);

    // Appends area (not owned by the root) to the root's children.
    void AddArea(CNode* area) { root_.AddChild(area); }

  private:
    CNode root_;
};
