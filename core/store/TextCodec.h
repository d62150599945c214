#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// League files hold single-byte Windows-1252 text; the program works in UTF-8. Every one of the 256 byte
// values has a Unicode counterpart (the five bytes Windows-1252 leaves undefined map to the C1 controls of
// the same value), so converting stored bytes to UTF-8 and back keeps every byte.

// The UTF-8 text of Windows-1252 bytes.
std::string Windows1252ToUtf8(std::string_view stored);

// The Windows-1252 bytes of a UTF-8 text; nothing when the text is not valid UTF-8 or holds a character
// Windows-1252 cannot store.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// True when the bytes form valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The number of characters of a valid UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// Compares two Windows-1252 texts without regard to case, covering the accented Latin letters (É equals é,
// Š equals š, Ÿ equals ÿ).
bool SameTextIgnoringCase(std::string_view storedA, std::string_view storedB);

// The message for a name that cannot be stored in a league file.
std::string UnstorableTextMessage(std::string_view utf8);

} // namespace vantorel
