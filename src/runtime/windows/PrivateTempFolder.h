#pragma once

#include <string>
#include <string_view>
#include <vector>

// A folder of the program's own under the user's temporary folder, made on first use; the files
// written into it and the folder itself are removed when this object goes.
class PrivateTempFolder {
public:
    PrivateTempFolder() = default;
    ~PrivateTempFolder();

    PrivateTempFolder(const PrivateTempFolder&) = delete;
    PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

    // Writes `bytes` as `name` in the folder and gives the file's full path; empty on failure.
    std::wstring write(const std::wstring& name, std::string_view bytes);

private:
    bool make();

    std::wstring folder_;
    std::vector<std::wstring> files_;
};
