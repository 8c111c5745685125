#include "TempWorkDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

TempWorkDir::TempWorkDir(bool bMakeLogDir)
{
    fs::path base = fs::temp_directory_path() / "dravik-test-XXXXXX";
    std::string tmpl = base.string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()) == nullptr) {
        ADD_FAILURE() << "mkdtemp failed";
        return;
    }
    m_strPath = buf.data();
    if (bMakeLogDir) {
        fs::create_directories(LogDir());
    }
    m_strOldCwd = fs::current_path().string();
    fs::current_path(m_strPath);
}

TempWorkDir::~TempWorkDir()
{
    std::error_code ec;
    if (!m_strOldCwd.empty()) {
        fs::current_path(m_strOldCwd, ec);
    }
    if (!m_strPath.empty()) {
        fs::remove_all(m_strPath, ec);
    }
}

void TempWorkDir::WriteFile(const std::string& strRelPath, const std::string& strContent) const
{
    fs::path p = fs::path(m_strPath) / strRelPath;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(strContent.data(), static_cast<std::streamsize>(strContent.size()));
}

std::string TempWorkDir::ReadFile(const std::string& strRelPath) const
{
    std::ifstream in(fs::path(m_strPath) / strRelPath, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string TempWorkDir::ListFiles(const std::string& strRelDir) const
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(fs::path(m_strPath) / strRelDir, ec)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names) {
        out += n;
        out += '\n';
    }
    return out;
}

std::string TempWorkDir::ReadLogs(const std::string& strPrefix) const
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(LogDir(), ec)) {
        if (e.path().filename().string().rfind(strPrefix, 0) == 0) {
            files.push_back(e.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::string out;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        out += ss.str();
    }
    return out;
}
