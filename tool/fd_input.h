// Reading graph-query's input files through file descriptors, so that pipes,
// FIFOs, /dev/stdin and standard input are read exactly once, and a read
// error is known by its errno.
#ifndef TOOL_FD_INPUT_H_
#define TOOL_FD_INPUT_H_

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

#include "graph/Graph.h"

// A stream buffer over a file descriptor. A failed read throws, as file
// buffers do, so a stream reading through it goes bad; `error()` keeps errno.
class FdStreamBuffer : public std::streambuf {
  public:
    // Reads `fd`; closes it on destruction when `owned`.
    FdStreamBuffer(int fd, bool owned);
    FdStreamBuffer(const FdStreamBuffer&) = delete;
    FdStreamBuffer& operator=(const FdStreamBuffer&) = delete;
    ~FdStreamBuffer() override;

    int error() const { return error_; }

    // The first bytes read (at most kStartBytes), and whether they are all
    // of the input.
    const std::string& start() const { return start_; }
    bool startIsWhole() const { return startIsWhole_; }
    static constexpr std::size_t kStartBytes = 4096;

    // Whether the descriptor is a regular file, which `restart` can read
    // again from where this buffer started, as it was when this was made.
    bool canRestart() const { return origin_ >= 0; }

    // Drops what is buffered and reads again from where this buffer started;
    // false when that cannot be done.
    bool restart();

    int fd() const { return fd_; }
    off_t origin() const { return origin_; }

    // For a regular file, the bytes it held from where this buffer started
    // when it was made: all this buffer reads of it.
    std::uint64_t length() const { return length_; }

  protected:
    int_type underflow() override;

  private:
    static constexpr std::size_t kBufferBytes = 1 << 18;

    int fd_;
    bool owned_;
    off_t origin_ = -1;  // the descriptor's offset before the first read
    std::uint64_t length_ = ~std::uint64_t{0};
    std::uint64_t left_ = ~std::uint64_t{0};  // of length_, not read yet
    int error_ = 0;
    std::string start_;
    bool startIsWhole_ = false;
    bool capturing_ = true;
    std::unique_ptr<char[]> buffer_;
};

// An input named on the command line: "-" is standard input.
class InputFile {
  public:
    // Opens `name`; `stream()` is null and `openError()` holds errno when the
    // file cannot be opened.
    InputFile(const std::string& name, std::istream& standardInput);

    std::istream* stream() const { return stream_; }

    // Whether the input is a regular file that `readAgain` can read again.
    bool canReadAgain() const;

    // The stream, set to read the input again from its start; null when that
    // cannot be done.
    std::istream* readAgain();
    int openError() const { return openError_; }
    // errno of a read error, or 0 when none is known.
    int readError() const;

    // The first bytes of the input (at most FdStreamBuffer::kStartBytes),
    // and whether they are all of it: read for a regular file, else as the
    // stream met them; empty for a stream of another kind.
    std::string start() const;
    bool startIsWhole() const;

    // For a regular file: its size from where reading starts, and a reader of
    // its bytes by offset from there, for reading it in parts (pread, so that
    // threads may share it). False for any other input.
    bool canReadInParts() const;
    std::uint64_t size() const;
    ReadAt readAt() const;

  private:
    std::unique_ptr<FdStreamBuffer> buffer_;
    std::unique_ptr<std::istream> ownStream_;
    std::istream* stream_ = nullptr;
    int openError_ = 0;
    mutable std::atomic<int> readAtError_{0};  // errno of a failed pread
};

#endif  // TOOL_FD_INPUT_H_
