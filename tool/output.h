// Buffered output for graph-query that remembers the first write error, so
// that a failed write is reported instead of passing for success.
#ifndef TOOL_OUTPUT_H_
#define TOOL_OUTPUT_H_

#include <string>
#include <string_view>

class Output {
  public:
    // Writes to the file descriptor `fd`.
    explicit Output(int fd);
    // Appends to `text` (for in-process tests).
    explicit Output(std::string& text);
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() { flush(); }

    // Writes `text`, starting every line with the current line prefix.
    void write(std::string_view text);

    // Writes what is buffered; returns false once any write has failed.
    bool flush();

    // Whether a write has failed, and its errno.
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }

    // Text written at the start of each line from now on.
    void setLinePrefix(std::string prefix) { linePrefix_ = std::move(prefix); }

  private:
    static constexpr std::size_t kBufferBytes = 1 << 16;

    void append(std::string_view text);

    int fd_ = -1;
    std::string* text_ = nullptr;
    std::string buffer_;
    std::string linePrefix_;
    bool atLineStart_ = true;
    int error_ = 0;
};

#endif  // TOOL_OUTPUT_H_
