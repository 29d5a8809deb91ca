// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing 128-byte records, one at a time or a whole file at once.

#include "files/recordfile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace files {
namespace {

namespace fs = std::filesystem;

bool isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

// The 128 bytes of a record holding utf8Text, or the reason why it cannot hold it.
RecordStatus encodeRecord(std::string_view utf8Text, std::string& record) {
    const auto text = utf8ToCp1252(utf8Text);
    if (!text) return RecordStatus::NotEncodable;
    if (text->size() > maxRecordText) return RecordStatus::TooLong;
    record.assign(recordSize, '\0');
    record[0] = static_cast<char>(text->size() & 0xFF);
    record[1] = static_cast<char>(text->size() >> 8);
    record.replace(2, text->size(), *text);
    return RecordStatus::Ok;
}

// Decodes the record that starts at data[0]; size is how many bytes of it the file holds.
RecordText decodeRecord(const char* data, std::size_t size) {
    if (size < 2) return {RecordStatus::Unreadable, {}};
    const std::size_t length =
        static_cast<unsigned char>(data[0]) | (static_cast<unsigned char>(data[1]) << 8);
    if (length > maxRecordText || 2 + length > size) return {RecordStatus::Unreadable, {}};
    return {RecordStatus::Ok, cp1252ToUtf8(std::string_view(data + 2, length))};
}

bool validRecordNumber(int record) {
    return record >= 1 && record <= (1 << 24);
}

std::size_t offsetOf(int record) {
    return static_cast<std::size_t>(record - 1) * recordSize;
}

} // namespace

RecordText readRecord(const std::string& path, int record) {
    if (isFolder(path)) return {RecordStatus::OpenFailed, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {RecordStatus::OpenFailed, {}};
    if (!validRecordNumber(record)) return {RecordStatus::Unreadable, {}};
    char data[recordSize];
    in.seekg(static_cast<std::streamoff>(offsetOf(record)));
    if (!in) return {RecordStatus::Unreadable, {}};
    in.read(data, recordSize);
    return decodeRecord(data, static_cast<std::size_t>(in.gcount()));
}

RecordStatus writeRecord(const std::string& path, int record, std::string_view utf8Text) {
    if (!validRecordNumber(record)) return RecordStatus::WriteFailed;
    std::string bytes;
    if (const auto status = encodeRecord(utf8Text, bytes); status != RecordStatus::Ok)
        return status;
    if (isFolder(path)) return RecordStatus::OpenFailed;
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) {
        // Absent: create it empty, then open it again for random access.
        std::ofstream create(path, std::ios::binary | std::ios::app);
        if (!create) return RecordStatus::OpenFailed;
        create.close();
        file.open(path, std::ios::in | std::ios::out | std::ios::binary);
        if (!file) return RecordStatus::OpenFailed;
    }
    file.seekg(0, std::ios::end);
    const auto size = static_cast<std::size_t>(file.tellg());
    const std::size_t offset = offsetOf(record);
    if (size < offset) {
        // The records between the end of the file and this one are written empty.
        file.seekp(static_cast<std::streamoff>(size));
        const std::string zeros(offset - size, '\0');
        file.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
    }
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    return file ? RecordStatus::Ok : RecordStatus::WriteFailed;
}

RecordStatus RecordFile::load(const std::string& path, RecordFile& out, int maxRecords) {
    if (isFolder(path)) return RecordStatus::OpenFailed;
    std::ifstream in(path, std::ios::binary);
    if (!in) return RecordStatus::OpenFailed;
    std::string bytes;
    char chunk[64 * recordSize];
    const std::size_t limit =
        maxRecords > 0 ? static_cast<std::size_t>(maxRecords) * recordSize : std::string::npos;
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(want));
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return RecordStatus::OpenFailed;
    out.bytes_ = std::move(bytes);
    return RecordStatus::Ok;
}

int RecordFile::recordCount() const {
    return static_cast<int>((bytes_.size() + recordSize - 1) / recordSize);
}

RecordText RecordFile::read(int record) const {
    if (!validRecordNumber(record) || offsetOf(record) >= bytes_.size())
        return {RecordStatus::Unreadable, {}};
    const std::size_t offset = offsetOf(record);
    return decodeRecord(bytes_.data() + offset, std::min(recordSize, bytes_.size() - offset));
}

RecordStatus RecordFile::write(int record, std::string_view utf8Text) {
    if (!validRecordNumber(record)) return RecordStatus::WriteFailed;
    std::string bytes;
    if (const auto status = encodeRecord(utf8Text, bytes); status != RecordStatus::Ok)
        return status;
    const std::size_t offset = offsetOf(record);
    if (bytes_.size() < offset + recordSize) bytes_.resize(offset + recordSize, '\0');
    bytes_.replace(offset, recordSize, bytes);
    return RecordStatus::Ok;
}

RecordStatus RecordFile::save(const std::string& path) const {
    return saveFileSafely(path, bytes_);
}

RecordStatus saveFileSafely(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    fs::path target(path);
    // Through a link, the file the link names is the one replaced.
    if (fs::is_symlink(target, ec)) {
        const auto resolved = fs::weakly_canonical(target, ec);
        if (ec) return RecordStatus::WriteFailed;
        target = resolved;
    }
    const bool exists = fs::exists(target, ec);
    if (exists) {
        if (!fs::is_regular_file(target, ec)) return RecordStatus::WriteFailed;
        // A protected file stays protected: opening it to append (and writing nothing) tells
        // whether it may be written.
        std::FILE* probe = std::fopen(target.string().c_str(), "ab");
        if (!probe) return RecordStatus::WriteFailed;
        std::fclose(probe);
    }

    // A new file in the same folder, so that the rename never crosses file systems.
    std::random_device seed;
    std::mt19937 generator(seed());
    fs::path temporary;
    std::FILE* out = nullptr;
    for (int attempt = 0; attempt < 16 && !out; ++attempt) {
        temporary = target;
        temporary += ".tmp" + std::to_string(generator() % 1000000);
        out = std::fopen(temporary.string().c_str(), "wbx");
    }
    if (!out) return RecordStatus::WriteFailed;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    if (ok && exists) {
        // The new file keeps the permissions of the one it replaces.
        const auto permissions = fs::status(target, ec).permissions();
        if (!ec) fs::permissions(temporary, permissions, ec);
        ec.clear();
    }
    if (ok) {
        fs::rename(temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temporary, ec);
        return RecordStatus::WriteFailed;
    }
    return RecordStatus::Ok;
}

} // namespace files
