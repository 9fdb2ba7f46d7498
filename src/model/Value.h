// CValue: a bounded 32-bit value with a reset value. SetValue clamps into
// minimum..maximum, so GetValue always lies in the range. Used by the value
// nodes and, outside the tree, for single settings such as the port number.
// A value type.
#pragma once

#include <cstdint>
#include <string>

class CNode;

class CValue {
  public:
    // The value starts at initial (clamped). minimum must not exceed maximum;
    // if it does, maximum is raised to minimum.
    CValue(std::int32_t minimum, std::int32_t maximum, std::int32_t initial = 0);
    CValue(const CValue&) = default;
    CValue& operator=(const CValue&) = default;
    virtual ~CValue() = default;

    // True when minimum <= v <= maximum.
    virtual bool IsValid(std::int32_t v) const;
    // preferred if valid; else the initial value if valid; else the first valid
    // value from the minimum upward; else the minimum.
    virtual std::int32_t FindValid(std::int32_t preferred) const;

    virtual std::int32_t GetValue() const { return value_; }
    // Stores v clamped into minimum..maximum.
    virtual void SetValue(std::int32_t v);
    // The value becomes the initial value (clamped).
    virtual void Reset() { SetValue(initial_); }

    // The value's text; the base shows the decimal number.
    virtual std::string GetText() const;

    std::int32_t GetMinimum() const { return minimum_; }
    std::int32_t GetMaximum() const { return maximum_; }
    std::int32_t GetInitial() const { return initial_; }
    // New range as in the constructor; the value is clamped into it.
    void SetRange(std::int32_t minimum, std::int32_t maximum);
    void SetInitial(std::int32_t initial) { initial_ = initial; }

    // The node that this value belongs to, nullptr for a plain value.
    virtual CNode* GetNodePart() { return nullptr; }
    virtual const CNode* GetNodePart() const { return nullptr; }

  private:
    std::int32_t value_ = 0;
    std::int32_t minimum_;
    std::int32_t maximum_;
    std::int32_t initial_;
};
