// CStringNode: a text leaf (channel name, clone comment, DTMF digits, pager
// code). Texts of any length are stored; they are cut only where the memory
// map writes them into the image. Trailing white space is removed when a text
// is stored. GetValue is the node's data, as for a plain CNode.
#pragma once

#include <string>
#include <string_view>

#include "model/Node.h"

class CStringNode : public CNode {
    CPZ5_DECLARE_CLASS(CStringNode)
  public:
    CStringNode();

    // SetString(text); true when ValidateString accepted the text.
    bool SetText(std::string_view text) override;
    std::string GetText() const override { return text_; }

    // Stores text without its trailing white space, whether or not
    // ValidateString accepts it, and returns ValidateString's result.
    int SetString(std::string_view text);
    const std::string& GetString() const { return text_; }

    // 0 when text is acceptable; the base accepts every text.
    virtual int ValidateString(std::string_view text) const;

  protected:
    // The CNode copy, then SetString with source's text.
    void CopyContent(const CNode& source) override;

  private:
    std::string text_;
};
