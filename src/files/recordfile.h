#pragma once
// Files of fixed 128-byte records numbered from 1: each record holds one text, a 16-bit
// little-endian byte count (at most 126) followed by the text in Windows-1252, then filler.
// Texts cross this interface in UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace files {

inline constexpr std::size_t recordSize = 128;
inline constexpr std::size_t maxRecordText = 126;

enum class RecordStatus {
    Ok,
    OpenFailed,   // the file cannot be opened (missing, a folder, no permission)
    Unreadable,   // past the end of the file, or a length over 126
    TooLong,      // a text over 126 bytes in Windows-1252
    NotEncodable, // a character that Windows-1252 cannot hold
    WriteFailed,  // the system refused the write
};

struct RecordText {
    RecordStatus status = RecordStatus::Ok;
    std::string text; // UTF-8, empty unless status is Ok
};

// One-shot helpers: open, read or write one record, close.
RecordText readRecord(const std::string& path, int record);
RecordStatus writeRecord(const std::string& path, int record, std::string_view utf8Text);

// Windows-1252 both ways. utf8ToCp1252 is empty when a character has no Windows-1252 byte.
std::string cp1252ToUtf8(std::string_view bytes);
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

} // namespace files
