#pragma once

#include <string>
#include <string_view>

namespace scrivafresa::cli {

// A file whose new content is written beside it under a temporary name and only takes the
// file's place on Commit(), so a failed write never leaves a partial file and an existing
// file keeps its content until the new one is complete. Dropped without Commit(), the
// temporary file is removed.
class ReplacedFile {
  public:
    explicit ReplacedFile(std::string path) : path_(std::move(path)) {}
    ~ReplacedFile();
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

    // Writes the whole content to the temporary file; false with Problem() set on failure.
    bool Write(std::string_view content);
    // Puts the written content in the file's place; false with Problem() set on failure.
    bool Commit();

    const std::string& Problem() const { return problem_; }

  private:
    bool Fail(const std::string& what, int error);

    std::string path_;    // as the user named it, for messages
    std::string target_;  // the file actually replaced: a link's target
    std::string temporary_;
    std::string problem_;
};

}  // namespace scrivafresa::cli
