// The virtual radio's memory as clone files, read and written by the
// program's own document: --image reads one at start, --save writes one after
// every completed write, as the program's Save would (with its adjustment of
// the image). version is the radio's model version (0 to 3).
#pragma once

#include <string>

class CImageBuffer;

// Reads the clone file at path into memory; false with the reason in error
// (memory is then unchanged).
bool LoadCloneFile(const std::string& path, int version, CImageBuffer& memory, std::string& error);
// Writes memory as a clone file at path; false with the reason in error.
bool SaveCloneFile(const std::string& path, int version, const CImageBuffer& memory,
                   std::string& error);
