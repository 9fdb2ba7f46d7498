// CNodeBase: name, tag, data, generation and modified flag shared by every
// node of the data tree.
//
// Names are compared byte for byte and case-sensitively; a node without a name
// reports "". The modified flag is set by SetData and MarkModified and never
// cleared. Every construction of a node, temporary ones included, advances
// a process-wide counter (see GetConstructionCount). Nodes are used on the
// user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Object.h"

class CNodeBase : public CObject {
    CPZ5_DECLARE_CLASS(CNodeBase)
  public:
    CNodeBase();
    CNodeBase(const CNodeBase&) = delete;
    CNodeBase& operator=(const CNodeBase&) = delete;
    ~CNodeBase() override = default;

    virtual const std::string& GetName() const { return name_; }
    virtual void SetName(std::string_view name) { name_ = name; }

    // Initially -1; the program gives the tag no meaning and only carries it.
    virtual std::int32_t GetTag() const { return tag_; }
    virtual void SetTag(std::int32_t tag) { tag_ = tag; }

    // Initially 0; setting it marks the node modified.
    virtual std::int32_t GetData() const { return data_; }
    virtual void SetData(std::int32_t data);

    // 0 for a new node; a copy has its source's generation plus 1.
    virtual std::int32_t GetGeneration() const { return generation_; }

    virtual bool IsSameName(const CNodeBase& other) const { return name_ == other.name_; }

    virtual void MarkModified() { modified_ = true; }
    virtual bool IsModified() const { return modified_; }

    // Number of nodes constructed so far in this process.
    static std::int64_t GetConstructionCount() { return construction_count_; }

  protected:
    void SetGeneration(std::int32_t generation) { generation_ = generation; }

  private:
    static std::int64_t construction_count_;

    std::string name_;
    std::int32_t tag_ = -1;
    std::int32_t data_ = 0;
    std::int32_t generation_ = 0;
    bool modified_ = false;
};
