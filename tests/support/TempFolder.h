#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantorel::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file in the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // The folder with a separator at its end, as league folders are held.
    std::string folder() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

// The whole content of a file, as text or as bytes; empty when it cannot be read.
std::string FileText(const std::filesystem::path& path);
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);
// Writes a file whole, replacing what it held.
void WriteText(const std::filesystem::path& path, const std::string& text);

} // namespace vantorel::testing
