// CModelInfo: which radio a memory image belongs to.
//
// Three layers: the bounded value (CValue: the model version, clamped to its
// range), the named value (CValueList: the versions' names, e.g. "GEN"), and
// the model information proper: model code, revision, the radio's identity
// data (the bytes it sends in its model information reply: an identity text
// and, for the QM-Z5, the option byte at position 16) and a copy of the
// option byte.
//
// The identity data has a fixed capacity; every access outside it reads 0 and
// writes nothing. A plain model information knows versions 0 to 255, model
// code 0, revision 0 and one byte of data; CZ5ModelInfo sets up the QM-Z5.
// A value type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ValueList.h"

class CModelInfo : public CValueList {
  public:
    CModelInfo();
    ~CModelInfo() override = default;

    std::uint32_t GetModelCode() const { return m_modelCode; }
    void SetModelCode(std::uint32_t code) { m_modelCode = code; }
    std::uint32_t GetRevision() const { return m_revision; }
    void SetRevision(std::uint32_t revision) { m_revision = revision; }

    // The identity data: GetDataCapacity() bytes.
    const std::uint8_t* GetData() const { return m_data.data(); }
    // Copies count bytes when count does not exceed the capacity, which then
    // becomes count; a larger count changes nothing. Returns whether it copied.
    bool SetData(const std::uint8_t* bytes, std::size_t count);
    std::size_t GetDataCapacity() const { return m_data.size(); }
    std::size_t GetDataLength() const { return m_data.size(); }
    // One byte of the identity data; 0 (read) or nothing (write) outside it.
    std::uint8_t GetDataByte(std::size_t index) const;
    void SetDataByte(std::size_t index, std::uint8_t value);

    // Takes what the identity data says into the option byte and the version.
    // The plain model information does nothing.
    virtual void UpdateFromData() {}

    // The identity text: GetTextLength() bytes of the data from the text
    // offset (fewer when the data is shorter), as they are.
    std::string GetText() const override;
    // Copies count bytes into the identity text when count does not exceed
    // the text length; returns whether it copied.
    bool SetText(const std::uint8_t* bytes, std::size_t count);
    std::size_t GetTextLength() const { return m_textLength; }

    // The name of the current version ("" when it has none).
    std::string GetName() const { return TextOf(GetValue()); }

    std::uint8_t GetOptionByte() const { return m_optionByte; }

  protected:
    CModelInfo(std::int32_t minimum, std::int32_t maximum, std::uint32_t modelCode,
               std::uint32_t revision, std::size_t dataCapacity, std::size_t textLength);
    void SetOptionByte(std::uint8_t optionByte) { m_optionByte = optionByte; }

  private:
    std::uint32_t m_modelCode;
    std::uint32_t m_revision;
    std::vector<std::uint8_t> m_data;
    std::size_t m_textOffset = 0;
    std::size_t m_textLength;
    std::uint8_t m_optionByte = 0;
};
