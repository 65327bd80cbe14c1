#include "ui/batch/zip_archive.h"

#include <zlib.h>

#include <algorithm>

namespace kelvora::ui {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::uint32_t kLocalEntry = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kDirectorySize = 46;
constexpr std::size_t kLocalSize = 30;

// Little-endian integers at `at` of `bytes`, which holds them.
std::uint32_t U16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::uint32_t U32(std::string_view bytes, std::size_t at)
{
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

bool Fits(std::string_view bytes, std::size_t at, std::size_t size)
{
    return at <= bytes.size() && size <= bytes.size() - at;
}

}  // namespace

std::optional<ZipArchive> ZipArchive::Open(std::string_view bytes, ZipProblem& problem)
{
    if (bytes.size() < kEndSize || U32(bytes, 0) != kLocalEntry) {
        problem = ZipProblem::NotZip;
        return std::nullopt;
    }
    // the end of the directory: its record, then a comment of up to 65,535 bytes
    std::size_t end = std::string_view::npos;
    const std::size_t lowest =
        bytes.size() > kEndSize + 0xFFFF ? bytes.size() - kEndSize - 0xFFFF : 0;
    for (std::size_t at = bytes.size() - kEndSize + 1; at-- > lowest;) {
        if (U32(bytes, at) == kEndOfDirectory &&
            at + kEndSize + U16(bytes, at + 20) == bytes.size()) {
            end = at;
            break;
        }
    }
    if (end == std::string_view::npos) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    const std::uint32_t disk = U16(bytes, end + 4);
    const std::uint32_t count = U16(bytes, end + 10);
    const std::uint32_t size = U32(bytes, end + 12);
    const std::uint32_t offset = U32(bytes, end + 16);
    if (disk != 0 || count == 0xFFFF || offset == 0xFFFFFFFF) {
        problem = ZipProblem::Damaged;  // several disks, or ZIP64: no .xlsx is either
        return std::nullopt;
    }
    if (!Fits(bytes, offset, size) || offset + size > end) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    ZipArchive archive(bytes);
    std::size_t at = offset;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!Fits(bytes, at, kDirectorySize) || U32(bytes, at) != kDirectoryEntry) {
            problem = ZipProblem::Damaged;
            return std::nullopt;
        }
        Entry entry;
        entry.flags = static_cast<std::uint16_t>(U16(bytes, at + 8));
        entry.method = static_cast<std::uint16_t>(U16(bytes, at + 10));
        entry.crc = U32(bytes, at + 16);
        entry.packed = U32(bytes, at + 20);
        entry.size = U32(bytes, at + 24);
        const std::uint32_t nameLength = U16(bytes, at + 28);
        const std::uint32_t extra = U16(bytes, at + 30);
        const std::uint32_t comment = U16(bytes, at + 32);
        entry.offset = U32(bytes, at + 42);
        if (!Fits(bytes, at + kDirectorySize, nameLength + extra + comment)) {
            problem = ZipProblem::Damaged;
            return std::nullopt;
        }
        entry.name = std::string(bytes.substr(at + kDirectorySize, nameLength));
        std::replace(entry.name.begin(), entry.name.end(), '\\', '/');
        at += kDirectorySize + nameLength + extra + comment;
        archive.m_entries.push_back(std::move(entry));
    }
    return archive;
}

const ZipArchive::Entry* ZipArchive::Find(std::string_view name) const
{
    // names as written, or differing in case as some writers make them
    const auto same = [name](const Entry& entry) {
        return std::equal(
            entry.name.begin(), entry.name.end(), name.begin(), name.end(), [](char a, char b) {
                return (a >= 'A' && a <= 'Z' ? a + 32 : a) == (b >= 'A' && b <= 'Z' ? b + 32 : b);
            });
    };
    const auto exact = std::find_if(m_entries.begin(), m_entries.end(),
                                    [name](const Entry& entry) { return entry.name == name; });
    if (exact != m_entries.end()) {
        return &*exact;
    }
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), same);
    return found == m_entries.end() ? nullptr : &*found;
}

bool ZipArchive::Has(std::string_view name) const
{
    return Find(name) != nullptr;
}

std::optional<std::string> ZipArchive::Read(std::string_view name, std::size_t limit,
                                            ZipProblem& problem) const
{
    const Entry* entry = Find(name);
    if (entry == nullptr) {
        problem = ZipProblem::Missing;
        return std::nullopt;
    }
    if ((entry->flags & 1) != 0) {
        problem = ZipProblem::Encrypted;
        return std::nullopt;
    }
    if (entry->size > limit) {
        problem = ZipProblem::TooLarge;
        return std::nullopt;
    }
    const std::size_t at = entry->offset;
    if (!Fits(m_bytes, at, kLocalSize) || U32(m_bytes, at) != kLocalEntry) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    const std::size_t data = at + kLocalSize + U16(m_bytes, at + 26) + U16(m_bytes, at + 28);
    if (!Fits(m_bytes, data, entry->packed)) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    const std::string_view packed = m_bytes.substr(data, entry->packed);
    std::string out;
    if (entry->method == 0) {
        out.assign(packed);
    } else if (entry->method == 8) {
        out.resize(entry->size);
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
            problem = ZipProblem::Damaged;
            return std::nullopt;
        }
        // zlib's counts are 32 bits wide; an entry of an .xlsx fits them
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
        stream.avail_in = static_cast<uInt>(packed.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        const int result = inflate(&stream, Z_FINISH);
        const bool whole = result == Z_STREAM_END && stream.total_out == entry->size;
        inflateEnd(&stream);
        if (!whole) {
            // more than it says it holds, or cut short
            problem = result == Z_BUF_ERROR && stream.avail_out == 0 ? ZipProblem::TooLarge
                                                                     : ZipProblem::Damaged;
            return std::nullopt;
        }
    } else {
        problem = ZipProblem::Damaged;  // a method no .xlsx writer uses
        return std::nullopt;
    }
    if (out.size() != entry->size || crc32(0L, reinterpret_cast<const Bytef*>(out.data()),
                                           static_cast<uInt>(out.size())) != entry->crc) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    return out;
}

}  // namespace kelvora::ui
