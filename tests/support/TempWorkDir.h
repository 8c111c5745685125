#pragma once
// A temporary working folder for one test: created under $TMPDIR, holds
// ./RuntimeData/65535/Log/ (the program never creates it), and is the current
// directory until the fixture ends. Everything in it is removed afterwards.

#include <string>

class TempWorkDir {
public:
    // bMakeLogDir false leaves out RuntimeData/65535/Log, for tests of a missing log folder.
    explicit TempWorkDir(bool bMakeLogDir = true);
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::string& Path() const { return m_strPath; }
    std::string LogDir() const { return m_strPath + "/RuntimeData/65535/Log"; }

    // Writes (or replaces) a file below the folder, making its parent folders.
    void WriteFile(const std::string& strRelPath, const std::string& strContent) const;
    // Whole content of a file below the folder; empty when it does not exist.
    std::string ReadFile(const std::string& strRelPath) const;
    // Names of the files in a folder below this one, sorted.
    std::string ListFiles(const std::string& strRelDir) const;
    // Content of every file in the log folder whose name starts with strPrefix, concatenated.
    std::string ReadLogs(const std::string& strPrefix) const;

private:
    std::string m_strPath;
    std::string m_strOldCwd;
};
