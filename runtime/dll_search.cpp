#include "runtime/dll_search.h"

#include <cstdlib>

namespace rt {

DllExportName ParseDllExportName(const std::string& commandName)
{
    DllExportName result;
    if (commandName.size() > 1 && commandName[0] == '#') {
        result.byOrdinal = true;
        result.ordinal = static_cast<uint16_t>(std::strtoul(commandName.c_str() + 1, nullptr, 10));
    } else {
        result.name = commandName;
    }
    return result;
}

const std::vector<std::string>& UnnamedLibraryCandidates()
{
    static const std::vector<std::string> candidates{"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                                     "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};
    return candidates;
}

std::vector<std::string> DllLoadCandidates(const std::string& libraryName, const std::string& configuredDirectory,
                                           const std::string& programDirectory,
                                           const std::string& initialDirectoryWithSlash)
{
    if (libraryName.find(':') != std::string::npos) return {libraryName};
    std::vector<std::string> candidates;
    if (!configuredDirectory.empty()) {
        bool slashed = configuredDirectory.back() == '\\';
        candidates.push_back(configuredDirectory + (slashed ? "" : "\\") + libraryName);
    }
    candidates.push_back(programDirectory + "\\" + libraryName);
    candidates.push_back(initialDirectoryWithSlash + libraryName);
    candidates.push_back(libraryName);
    return candidates;
}

std::string DllCommandNotFoundMessage(const std::string& libraryName, const std::string& commandName)
{
    if (libraryName.empty()) {
        return "无法找到指定DLL库文件中的输出命令“" + commandName + "”";
    }
    return "无法找到指定DLL库文件“" + libraryName + "”中的输出命令“" + commandName + "”";
}

}  // namespace rt
