#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace vantorel {

// Where exported lines go.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void WriteLine(std::string_view line) = 0;
};

// Writes each line to a stream followed by CR LF.
class StreamLineSink : public LineSink {
public:
    explicit StreamLineSink(std::ostream& out) : out_(out) {}
    void WriteLine(std::string_view line) override { out_ << line << "\r\n"; }

private:
    std::ostream& out_;
};

inline constexpr std::size_t kClipboardLimit = 256000;

// Collects lines for the clipboard, which takes fewer than 256,000 characters: a line that would reach the
// limit is left out and marks the text truncated, and a later, shorter line that still fits is taken.
class ClipboardLineSink : public LineSink {
public:
    void WriteLine(std::string_view line) override;

    const std::string& text() const { return text_; }
    bool truncated() const { return truncated_; }

private:
    std::string text_;
    std::size_t characters_ = 0;
    bool truncated_ = false;
};

} // namespace vantorel
