// CFrameCodec: the computer's side of the radio's clone frames.
//
// A frame on the line is 0xFE 0xFE, destination, source, command, payload,
// 0xFD; the computer is kComputer and the radio kRadio. A "body" here is a
// frame without its two 0xFE bytes and its 0xFD. Data frames carry their
// payload as hexadecimal text of: address (2 bytes, high first), count
// (1 byte), count data bytes, checksum (the two's complement of the 8-bit sum
// of all the bytes before it, so that the sum of all is 0).
//
// Everything here is a pure function of its arguments; nothing fails loudly:
// a text or frame that does not fit the rules gives false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ByteString.h"

class CFrameCodec {
  public:
    static constexpr std::uint8_t kRadio = 0xEE;
    static constexpr std::uint8_t kComputer = 0xEF;

    static constexpr std::uint8_t kInformationRequest = 0xE0;
    static constexpr std::uint8_t kInformationReply = 0xE1;
    static constexpr std::uint8_t kReadRequest = 0xE2;
    static constexpr std::uint8_t kWriteRequest = 0xE3;
    static constexpr std::uint8_t kDataFrame = 0xE4;
    static constexpr std::uint8_t kEndFrame = 0xE5;
    static constexpr std::uint8_t kWriteResult = 0xE6;

    // The payload of both sides' end frames.
    static constexpr std::string_view kEndText = "Brel Inc.";
    // Bytes of a body before its payload: destination, source, command.
    static constexpr std::uint16_t kHeaderLength = 3;
    // The most data bytes one data frame can carry in a body of the frame
    // buffer's size.
    static constexpr std::size_t kMaxDataBytes = 122;
    // Payload bytes from the radio (model information) must stay below this.
    static constexpr std::uint8_t kFirstControlByte = 0xF0;

    // A body from the computer to the radio: kRadio, kComputer, command,
    // payload.
    static CByteString ComputerBody(std::uint8_t command, const CByteString& payload);
    // 0xFE 0xFE, body, 0xFD.
    static CByteString Wrap(const CByteString& body);

    // The two's complement of the 8-bit sum of bytes.
    static std::uint8_t Checksum(const std::uint8_t* bytes, std::size_t count);

    // Upper-case hexadecimal digits of bytes, high nibble first.
    static std::string ToHex(const std::uint8_t* bytes, std::size_t count);
    // The bytes of hexadecimal text (digits of either case); false for an odd
    // length or any character that is not a digit.
    static bool FromHex(std::string_view text, std::vector<std::uint8_t>& bytes);

    // The clone file data line of a data frame body from the radio: address
    // (4 digits), count (2) and data (2 per byte), upper case, no checksum.
    // False when the payload is not hexadecimal text, its checksum is wrong,
    // it holds no data or its count differs from the data it holds.
    static bool DataLineOfFrame(const CByteString& body, std::string& line);
    // The data frame body that carries a clone file data line (address, count,
    // data as hexadecimal text; the count must match the data, 1 to
    // kMaxDataBytes bytes). False for any other line.
    static bool FrameOfDataLine(std::string_view line, CByteString& body);

  private:
    // Address, count and data of a data line or frame, checksum excluded;
    // false unless the count matches 1 to kMaxDataBytes data bytes.
    static bool IsWellFormedRecord(const std::vector<std::uint8_t>& record);
};
