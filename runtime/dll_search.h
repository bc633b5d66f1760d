// How a declared DLL command is looked up: the export it names, the files tried for its library,
// and the message when it cannot be found. Windows-free so the order can be tested anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

struct DllExportName {
    bool byOrdinal = false;
    uint16_t ordinal = 0;
    std::string name;
};

// "#n" names ordinal n (its low 16 bits); anything else is an exported name.
DllExportName ParseDllExportName(const std::string& commandName);

// The system libraries tried, in order, for a command whose library name is empty.
const std::vector<std::string>& UnnamedLibraryCandidates();

// The files tried, in order, for a named library.
std::vector<std::string> DllLoadCandidates(const std::string& libraryName, const std::string& configuredDirectory,
                                           const std::string& programDirectory,
                                           const std::string& initialDirectoryWithSlash);

std::string DllCommandNotFoundMessage(const std::string& libraryName, const std::string& commandName);

}  // namespace rt
