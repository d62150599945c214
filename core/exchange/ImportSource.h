#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace vantorel {

// A line longer than this is cut here and the rest of it dropped, so that a file of any size is read in
// bounded memory.
inline constexpr std::size_t kLongestImportLine = 1u << 20;

// Where the lines of an import come from. An import looks at the whole file before it changes anything and
// then reads it again, so a source can start again at its first line.
class LineSource {
public:
    virtual ~LineSource() = default;
    // Back to the first line.
    virtual void Rewind() = 0;
    // The next line as UTF-8 without its line end; false when there is none.
    virtual bool NextLine(std::string& line) = 0;
    // How far this reading has come, 0 to 1.
    virtual double Progress() const = 0;
};

// Lines already in memory.
class MemoryLineSource : public LineSource {
public:
    explicit MemoryLineSource(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    void Rewind() override { next_ = 0; }
    bool NextLine(std::string& line) override;
    double Progress() const override;

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// The lines of a seekable byte stream, read one at a time. CR, LF and CR LF line ends are accepted, mixed; a
// final line end adds no empty line. A UTF-8 byte-order mark is dropped and each line is decoded on its own,
// as UTF-8 when it is valid UTF-8, otherwise as Windows-1252. A stream that starts with a UTF-16 byte-order
// mark (either byte order) is read as UTF-16.
class StreamLineSource : public LineSource {
public:
    explicit StreamLineSource(std::istream& in);
    void Rewind() override;
    bool NextLine(std::string& line) override;
    double Progress() const override;

    bool utf16() const { return utf16_ != Utf16::None; }

private:
    enum class Utf16 { None, LittleEndian, BigEndian };
    bool NextBytesLine(std::string& line);
    bool NextUtf16Line(std::string& line);
    int NextUnit(); // the next UTF-16 code unit, -1 at the end
    int PeekUnit(); // the same, left unread

    std::istream& in_;
    std::uint64_t size_ = 0;
    std::uint64_t consumed_ = 0;
    Utf16 utf16_ = Utf16::None;
};

} // namespace vantorel
