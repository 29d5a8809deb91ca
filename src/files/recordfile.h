// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files of fixed 128-byte records numbered from 1: each record holds one text, a 16-bit
// little-endian byte count (at most 126) followed by the text in Windows-1252, then filler.
// Texts cross this interface in UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// A whole record file held in memory: read in one open, or built record by record and then
// saved in one go.
class RecordFile {
public:
    RecordFile() = default;
    explicit RecordFile(std::string bytes) : bytes_(std::move(bytes)) {}

    // Reads the file (its first maxRecords records when maxRecords > 0). Ok or OpenFailed;
    // a file shorter than asked is not a failure: its missing records read as Unreadable.
    static RecordStatus load(const std::string& path, RecordFile& out, int maxRecords = 0);

    // Number of records the content reaches into (a last partial record counts).
    int recordCount() const;
    RecordText read(int record) const;
    // Sets one record (the content grows with zero records as needed). On a refusal the
    // content is unchanged.
    RecordStatus write(int record, std::string_view utf8Text);

    const std::string& bytes() const { return bytes_; }
    // Replaces the file at path with this content, safely (see saveFileSafely).
    RecordStatus save(const std::string& path) const;

private:
    std::string bytes_;
};

// Writes bytes to a new file beside path and only once it is complete renames it over path,
// so that a failure half-way leaves the old file as it was. An existing file that cannot be
// written to (protected) is refused, as writing it in place would be. Ok or WriteFailed.
RecordStatus saveFileSafely(const std::string& path, std::string_view bytes);

} // namespace files
