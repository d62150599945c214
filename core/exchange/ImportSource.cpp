#include "exchange/ImportSource.h"

#include "store/TextCodec.h"

namespace vantorel {
namespace {

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

} // namespace

bool MemoryLineSource::NextLine(std::string& line) {
    if (next_ == lines_.size())
        return false;
    line = lines_[next_++];
    return true;
}

double MemoryLineSource::Progress() const {
    return lines_.empty() ? 1.0 : static_cast<double>(next_) / static_cast<double>(lines_.size());
}

StreamLineSource::StreamLineSource(std::istream& in) : in_(in) {
    in_.seekg(0, std::ios::end);
    const auto end = in_.tellg();
    size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    Rewind();
}

void StreamLineSource::Rewind() {
    in_.clear();
    in_.seekg(0);
    consumed_ = 0;
    utf16_ = Utf16::None;
    char mark[3] = {0, 0, 0};
    in_.read(mark, 3);
    const auto got = static_cast<std::size_t>(in_.gcount());
    const std::string_view start(mark, got);
    std::size_t skip = 0;
    if (start.substr(0, 3) == "\xEF\xBB\xBF")
        skip = 3;
    else if (start.substr(0, 2) == "\xFF\xFE")
        utf16_ = Utf16::LittleEndian, skip = 2;
    else if (start.substr(0, 2) == "\xFE\xFF")
        utf16_ = Utf16::BigEndian, skip = 2;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(skip));
    consumed_ = skip;
}

double StreamLineSource::Progress() const {
    return size_ == 0 ? 1.0 : static_cast<double>(consumed_) / static_cast<double>(size_);
}

bool StreamLineSource::NextLine(std::string& line) {
    line.clear();
    return utf16_ == Utf16::None ? NextBytesLine(line) : NextUtf16Line(line);
}

bool StreamLineSource::NextBytesLine(std::string& line) {
    std::streambuf& buffer = *in_.rdbuf();
    bool any = false;
    for (int c = buffer.sbumpc(); c != std::char_traits<char>::eof(); c = buffer.sbumpc()) {
        ++consumed_;
        any = true;
        if (c == '\n')
            break;
        if (c == '\r') {
            // CR LF is one line end.
            if (buffer.sgetc() == '\n') {
                buffer.sbumpc();
                ++consumed_;
            }
            break;
        }
        if (line.size() < kLongestImportLine)
            line += static_cast<char>(c);
    }
    if (!any)
        return false;
    if (!IsValidUtf8(line))
        line = Windows1252ToUtf8(line);
    return true;
}

int StreamLineSource::NextUnit() {
    std::streambuf& buffer = *in_.rdbuf();
    const int first = buffer.sbumpc();
    if (first == std::char_traits<char>::eof())
        return -1;
    const int second = buffer.sbumpc();
    if (second == std::char_traits<char>::eof()) {
        ++consumed_;
        return -1; // half a code unit at the end
    }
    consumed_ += 2;
    const auto a = static_cast<unsigned>(static_cast<unsigned char>(first));
    const auto b = static_cast<unsigned>(static_cast<unsigned char>(second));
    return static_cast<int>(utf16_ == Utf16::LittleEndian ? a | (b << 8) : (a << 8) | b);
}

int StreamLineSource::PeekUnit() {
    const auto mark = in_.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    const std::uint64_t before = consumed_;
    const int unit = NextUnit();
    in_.rdbuf()->pubseekpos(mark, std::ios::in);
    consumed_ = before;
    return unit;
}

bool StreamLineSource::NextUtf16Line(std::string& line) {
    int unit = NextUnit();
    if (unit < 0)
        return false;
    for (; unit >= 0; unit = NextUnit()) {
        if (unit == '\n')
            break;
        if (unit == '\r') {
            if (PeekUnit() == '\n') // CR LF is one line end
                NextUnit();
            break;
        }
        auto code = static_cast<std::uint32_t>(unit);
        if (code >= 0xD800 && code <= 0xDBFF) {
            // A high surrogate takes the low one after it; alone it is the replacement character, and what
            // follows is read as itself.
            const int low = PeekUnit();
            if (low >= 0xDC00 && low <= 0xDFFF) {
                NextUnit();
                code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<std::uint32_t>(low) - 0xDC00);
            } else {
                code = kReplacementCharacter;
            }
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            code = kReplacementCharacter;
        }
        if (line.size() < kLongestImportLine)
            AppendUtf8(line, static_cast<char32_t>(code));
    }
    return true;
}

} // namespace vantorel
