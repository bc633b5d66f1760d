// Files as the conversion opens them: paths are GBK texts, opened through the wide API on Windows.
// libjpeg's standard file destination takes a C file.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace pictures {

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using CFile = std::unique_ptr<std::FILE, CFileCloser>;

// True when the path names an existing file (not a folder).
bool IsExistingFile(const std::string& path);

// A new file for binary writing, created only when no file of that name exists; null otherwise.
CFile CreateNewFile(const std::string& path);

// Moves a file over another, replacing it; false leaves both as they were.
bool ReplaceFileWith(const std::string& destination, const std::string& source);

void RemoveFile(const std::string& path);

}  // namespace pictures
