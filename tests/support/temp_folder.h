// A folder of its own for one test, removed with everything in it when the test ends.
#pragma once

#include <string>
#include <string_view>

namespace pickwell::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view relative) const {
        return path_ + "/" + std::string(relative);
    }

  private:
    std::string path_;
};

// Whole-file helpers for the tests' own fixtures; `write_file` creates the folders above.
std::string read_file(const std::string& path);
void write_file(const std::string& path, std::string_view bytes);
bool file_exists(const std::string& path);

}  // namespace pickwell::testing
