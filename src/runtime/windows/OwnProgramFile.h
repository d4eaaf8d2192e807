#pragma once

#include <string>
#include <string_view>

// The bytes of the running program's own file (a built saver carries its show at the end),
// read whole. On failure the error says so in Japanese (SaverTexts::kUnreadable and the path).
class OwnProgramFile {
public:
    // Finds the file's path (done by read() as well).
    void locate();
    bool read();

    const std::wstring& path() const { return path_; }
    // The file's name without its folder ("Stars.scr").
    std::wstring fileName() const;
    std::string_view bytes() const { return bytes_; }
    const std::string& error() const { return error_; }

private:
    std::wstring path_;
    std::string bytes_;
    std::string error_;
};
