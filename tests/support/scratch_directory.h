// A fresh temporary directory that is the current directory while the
// object lives; the old current directory comes back afterwards.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class ScratchDirectory {
  public:
    ScratchDirectory() : previous_(std::filesystem::current_path()) {
        std::mt19937_64 random(std::random_device{}() ^
                               std::chrono::steady_clock::now().time_since_epoch().count());
        do
            path_ =
                std::filesystem::temp_directory_path() / ("larkspin-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Writes the bytes, exactly, to a file of that name in the directory.
    static void write(const std::string& name, std::string_view bytes) {
        std::ofstream file(name, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
