#include "model/MessageText.h"

#include <algorithm>

namespace MessageText {
namespace {

constexpr std::size_t kHeadKept = 56;  // of a cut text: its first characters
constexpr std::size_t kTailKept = kMaxQuoted - kHeadKept;
constexpr std::string_view kCutMark = "...";

// Code points that a terminal shows as nothing or that reorder what follows.
struct SRange {
    char32_t first;
    char32_t last;
};
constexpr SRange kInvisible[] = {
    {0x0080, 0x009F},  // C1 controls (0x9B starts a control sequence)
    {0x061C, 0x061C},  // Arabic letter mark
    {0x180E, 0x180E},  // Mongolian vowel separator
    {0x200B, 0x200F},  // zero widths, direction marks
    {0x2028, 0x202E},  // line and paragraph separators, direction embeddings and overrides
    {0x2060, 0x206F},  // word joiner, invisible operators, direction isolates
    {0xFEFF, 0xFEFF},  // byte-order mark
    {0xFFF9, 0xFFFB},  // interlinear annotation
};

// One character of the text: its bytes and whether they are written as
// escapes.
struct SChar {
    std::size_t length;
    bool escaped;
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of a UTF-8 sequence by its lead byte and the lowest and highest
// second byte that keep it well formed (no overlong form, no surrogate,
// nothing above U+10FFFF); length 0 for a byte that leads no sequence.
struct SLead {
    std::size_t length;
    int secondLow;
    int secondHigh;
};

SLead LeadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (byte >= 0xE0 && byte <= 0xEF) {
        return {3, byte == 0xE0 ? 0xA0 : 0x80, byte == 0xED ? 0x9F : 0xBF};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return {4, byte == 0xF0 ? 0x90 : 0x80, byte == 0xF4 ? 0x8F : 0xBF};
    }
    return {0, 0, 0};
}

// The character at the start of text, which begins with a byte above
// 0x7F: a well-formed UTF-8 character, or else that byte alone, escaped.
SChar Utf8CharAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const SLead form = LeadOf(lead);
    if (form.length == 0 || text.size() < form.length) {
        return {1, true};
    }
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < form.secondLow || second > form.secondHigh) {
        return {1, true};
    }
    char32_t code = lead & (0x7F >> form.length);
    for (std::size_t i = 1; i < form.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(byte)) {
            return {1, true};
        }
        code = (code << 6) | (byte & 0x3F);
    }
    const bool invisible =
        std::any_of(std::begin(kInvisible), std::end(kInvisible),
                    [code](SRange r) { return code >= r.first && code <= r.last; });
    return {form.length, invisible};
}

SChar CharAt(std::string_view text) {
    const auto byte = static_cast<unsigned char>(text[0]);
    if (byte >= 0x80) {
        return Utf8CharAt(text);
    }
    return {1, byte < 0x20 || byte == 0x7F};
}

// The control characters with a name of their own in an escape.
constexpr std::string_view kNamedControls = "\t\n\r";
constexpr std::string_view kControlNames = "tnr";

// What a message needs escaped beyond the control characters.
struct SMode {
    std::string_view named;  // control characters written "\t", "\n", "\r" ...
    std::string_view plain;  // ... or left as they are
    bool escapeQuotes;       // '"' and '\'
};
constexpr SMode kQuoting = {kNamedControls, "", true};
constexpr SMode kTerminal = {"\r", "\t\n", false};

void AppendHex(std::string& out, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

void AppendChar(std::string& out, std::string_view bytes, SChar c, const SMode& mode) {
    const char first = bytes[0];
    if (!c.escaped) {
        if (mode.escapeQuotes && (first == '"' || first == '\\')) {
            out += '\\';
        }
        out.append(bytes.substr(0, c.length));
    } else if (mode.plain.find(first) != std::string_view::npos) {
        out += first;
    } else if (mode.named.find(first) != std::string_view::npos) {
        out += '\\';
        out += kControlNames[kNamedControls.find(first)];
    } else {
        for (std::size_t i = 0; i < c.length; ++i) {
            AppendHex(out, static_cast<unsigned char>(bytes[i]));
        }
    }
}

void AppendEscaped(std::string& out, std::string_view text, const SMode& mode) {
    for (std::size_t at = 0; at < text.size();) {
        const SChar c = CharAt(text.substr(at));
        AppendChar(out, text.substr(at), c, mode);
        at += c.length;
    }
}

// How many characters text has and, when it is cut, where its head ends and
// its tail starts (byte offsets).
struct SCount {
    std::size_t characters = 0;
    std::size_t headEnd = 0;    // after kHeadKept characters
    std::size_t tailStart = 0;  // before the last kTailKept characters
};

SCount CountOf(std::string_view text) {
    SCount count;
    std::size_t at = 0;
    for (; at < text.size(); ++count.characters) {
        if (count.characters == kHeadKept) {
            count.headEnd = at;
        }
        at += CharAt(text.substr(at)).length;
    }
    if (count.characters <= kMaxQuoted) {
        return count;
    }
    // The tail: walk again to the character that leaves kTailKept after it.
    at = count.headEnd;
    for (std::size_t index = kHeadKept; index < count.characters - kTailKept; ++index) {
        at += CharAt(text.substr(at)).length;
    }
    count.tailStart = at;
    return count;
}

}  // namespace

std::string Quoted(std::string_view text) {
    const SCount count = CountOf(text);
    std::string out = "\"";
    if (count.characters <= kMaxQuoted) {
        AppendEscaped(out, text, kQuoting);
        return out + "\"";
    }
    AppendEscaped(out, text.substr(0, count.headEnd), kQuoting);
    out += kCutMark;
    AppendEscaped(out, text.substr(count.tailStart), kQuoting);
    return out + "\" (" + std::to_string(text.size()) + " bytes)";
}

std::string ForTerminal(std::string_view message) {
    std::string out;
    AppendEscaped(out, message, kTerminal);
    return out;
}

}  // namespace MessageText
