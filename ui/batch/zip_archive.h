#pragma once
// The entries of a zip archive held in memory (an .xlsx is one), read by
// their names: stored or deflated (zlib's inflate), each checked against its
// CRC and its stated size. What an .xlsx never needs is refused with its
// reason: encrypted entries, archives over several disks, ZIP64.
//
//   bytes --ZipArchive::Open--> directory --Read(name)--> the entry's bytes | why not

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::ui {

enum class ZipProblem {
    None,
    NotZip,     // no zip at all
    Damaged,    // cut short, altered, or of a kind no .xlsx is (several disks, ZIP64)
    Encrypted,  // an entry needs a password
    TooLarge,   // an entry inflates past the limit asked
    Missing,    // no entry of that name
};

class ZipArchive {
public:
    // The archive over `bytes` (which must outlive it), or why it is none:
    // ZipProblem::NotZip, ZipProblem::Damaged, ZipProblem::Encrypted.
    static std::optional<ZipArchive> Open(std::string_view bytes, ZipProblem& problem);

    bool Has(std::string_view name) const;

    // The bytes of entry `name`, at most `limit` of them once inflated; or
    // nothing and why (ZipProblem::Damaged, ZipProblem::TooLarge, ZipProblem::Encrypted,
    // ZipProblem::Missing).
    std::optional<std::string> Read(std::string_view name, std::size_t limit,
                                    ZipProblem& problem) const;

private:
    struct Entry {
        std::string name;
        std::uint16_t flags = 0;
        std::uint16_t method = 0;
        std::uint32_t crc = 0;
        std::uint32_t packed = 0;
        std::uint32_t size = 0;
        std::uint32_t offset = 0;
    };
    explicit ZipArchive(std::string_view bytes) : m_bytes(bytes) {}
    const Entry* Find(std::string_view name) const;

    std::string_view m_bytes;
    std::vector<Entry> m_entries;
};

}  // namespace kelvora::ui
