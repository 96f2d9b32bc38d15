#include "app/music/SoundFontSubset.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

namespace varnel {
namespace {

uint32_t le32(const char* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(p[i]);
    return v;
}
uint16_t le16(const char* p) {
    return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | static_cast<uint8_t>(p[1]) << 8);
}
void putLe(std::vector<char>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}
void setLe16(char* p, uint32_t v) {
    p[0] = static_cast<char>(v);
    p[1] = static_cast<char>(v >> 8);
}

bool readAt(std::FILE* file, int64_t at, void* into, int64_t count) {
    return std::fseek(file, static_cast<long>(at), SEEK_SET) == 0 &&
           std::fread(into, 1, static_cast<size_t>(count), file) == static_cast<size_t>(count);
}

// The nine tables of the preset data, in the order the format lays them down, with the size of
// one record of each.
constexpr std::array<std::pair<const char*, int>, 9> kTables = {{{"phdr", 38},
                                                                 {"pbag", 4},
                                                                 {"pmod", 10},
                                                                 {"pgen", 4},
                                                                 {"inst", 22},
                                                                 {"ibag", 4},
                                                                 {"imod", 10},
                                                                 {"igen", 4},
                                                                 {"shdr", 46}}};

using Table = std::vector<char>;

// Whole records from..to of a table (the last record of each is a terminal one).
void copyRecords(Table& to, const Table& from, int size, uint32_t first, uint32_t end) {
    to.insert(to.end(), from.begin() + first * size, from.begin() + end * size);
}

// A header table (presets or instruments) cut down to the chosen records, each with its zones
// (bags) and their generators and modulators, renumbered; each table closes with its terminal
// record pointing one past its last entry. False when the indices do not hold together.
constexpr int kGenSize = 4, kModSize = 10, kBagSize = 4;
bool keepZones(std::map<std::string, Table>& tables, const char* const (&names)[4], int size,
               int bagField, const std::vector<uint32_t>& chosen) {
    const Table &header = tables[names[0]], &bags = tables[names[1]], &mods = tables[names[2]],
                &gens = tables[names[3]];
    const uint32_t count = header.size() / size - 1;
    auto bagOf = [&](uint32_t record) { return le16(header.data() + record * size + bagField); };
    Table newHeader, newBags, newMods, newGens;
    auto closeRecord = [&](uint32_t record) {
        copyRecords(newHeader, header, size, record, record + 1);
        setLe16(newHeader.data() + newHeader.size() - size + bagField, newBags.size() / kBagSize);
    };
    for (uint32_t record : chosen) {
        if (record >= count) return false;
        const uint32_t firstBag = bagOf(record), endBag = bagOf(record + 1);
        if (firstBag > endBag || endBag >= bags.size() / kBagSize) return false;
        closeRecord(record);
        for (uint32_t b = firstBag; b < endBag; ++b) {
            const char* bag = bags.data() + b * kBagSize;
            const uint32_t gen = le16(bag), genEnd = le16(bag + 4);
            const uint32_t mod = le16(bag + 2), modEnd = le16(bag + 6);
            if (gen > genEnd || genEnd >= gens.size() / kGenSize || mod > modEnd ||
                modEnd >= mods.size() / kModSize)
                return false;
            putLe(newBags, newGens.size() / kGenSize, 2);
            putLe(newBags, newMods.size() / kModSize, 2);
            copyRecords(newGens, gens, kGenSize, gen, genEnd);
            copyRecords(newMods, mods, kModSize, mod, modEnd);
        }
    }
    closeRecord(count);
    putLe(newBags, newGens.size() / kGenSize, 2);
    putLe(newBags, newMods.size() / kModSize, 2);
    copyRecords(newMods, mods, kModSize, mods.size() / kModSize - 1, mods.size() / kModSize);
    copyRecords(newGens, gens, kGenSize, gens.size() / kGenSize - 1, gens.size() / kGenSize);
    tables[names[0]] = std::move(newHeader);
    tables[names[1]] = std::move(newBags);
    tables[names[2]] = std::move(newMods);
    tables[names[3]] = std::move(newGens);
    return true;
}

}  // namespace

std::unique_ptr<const SoundFontSubset> SoundFontSubset::make(
    const std::string& path, const std::set<PresetNumber>& presets) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
    const int64_t fileSize = std::ftell(file.get());
    char head[12];
    if (!readAt(file.get(), 0, head, 12) || std::memcmp(head, "RIFF", 4) != 0 ||
        std::memcmp(head + 8, "sfbk", 4) != 0)
        return nullptr;

    // Find the preset data: the last LIST of the file.
    int64_t at = 12;
    uint32_t pdtaLength = 0;
    for (char chunk[12]; at + 12 <= fileSize; at += 8 + int64_t{le32(chunk + 4)} + (chunk[4] & 1)) {
        if (!readAt(file.get(), at, chunk, 12)) return nullptr;
        if (std::memcmp(chunk, "LIST", 4) == 0 && std::memcmp(chunk + 8, "pdta", 4) == 0) {
            pdtaLength = le32(chunk + 4);
            break;
        }
    }
    if (pdtaLength < 4 || at + 8 + pdtaLength > fileSize || at + 8 + pdtaLength + 1 < fileSize)
        return nullptr;
    std::vector<char> pdta(pdtaLength - 4);
    if (!readAt(file.get(), at + 12, pdta.data(), static_cast<int64_t>(pdta.size())))
        return nullptr;

    std::map<std::string, Table> tables;
    for (size_t p = 0; p + 8 <= pdta.size();) {
        const uint32_t length = le32(pdta.data() + p + 4);
        if (p + 8 + length > pdta.size()) return nullptr;
        tables[std::string(pdta.data() + p, 4)].assign(pdta.begin() + p + 8,
                                                       pdta.begin() + p + 8 + length);
        p += 8 + length;
    }
    for (const auto& [id, size] : kTables)
        if (tables[id].empty() || tables[id].size() % size != 0) return nullptr;

    // The presets kept, then the instruments they play; the sample headers stay as they are,
    // so the instruments' sample numbers hold.
    const Table& phdr = tables["phdr"];
    std::vector<uint32_t> chosen;
    std::set<PresetNumber> found;
    for (uint32_t p = 0; p + 1 < phdr.size() / 38; ++p) {
        const PresetNumber number{le16(phdr.data() + p * 38 + 22), le16(phdr.data() + p * 38 + 20)};
        if (presets.contains(number) && found.insert(number).second) chosen.push_back(p);
    }
    if (found != presets || !keepZones(tables, {"phdr", "pbag", "pmod", "pgen"}, 38, 24, chosen))
        return nullptr;
    constexpr uint16_t kInstrumentGenerator = 41;
    Table& pgen = tables["pgen"];
    std::map<uint32_t, uint32_t> instruments;  // old number to new, in the old order
    for (size_t g = 0; g < pgen.size(); g += kGenSize)
        if (le16(pgen.data() + g) == kInstrumentGenerator) instruments[le16(pgen.data() + g + 2)];
    chosen.clear();
    for (auto& [old, renumbered] : instruments) {
        renumbered = chosen.size();
        chosen.push_back(old);
    }
    for (size_t g = 0; g < pgen.size(); g += kGenSize)
        if (le16(pgen.data() + g) == kInstrumentGenerator)
            setLe16(pgen.data() + g + 2, instruments[le16(pgen.data() + g + 2)]);
    if (!keepZones(tables, {"inst", "ibag", "imod", "igen"}, 22, 20, chosen)) return nullptr;

    auto subset = std::make_unique<SoundFontSubset>();
    subset->path_ = path;
    subset->pdtaStart_ = at;
    std::vector<char>& out = subset->pdta_;
    out.insert(out.end(), {'L', 'I', 'S', 'T', 0, 0, 0, 0, 'p', 'd', 't', 'a'});
    for (const auto& [id, size] : kTables) {
        out.insert(out.end(), id, id + 4);
        putLe(out, tables[id].size(), 4);
        out.insert(out.end(), tables[id].begin(), tables[id].end());
    }
    std::vector<char> length;
    putLe(length, out.size() - 8, 4);
    std::copy(length.begin(), length.end(), out.begin() + 4);
    subset->riffHeader_.assign(head, head + 12);
    length.clear();
    putLe(length, static_cast<uint32_t>(subset->Size() - 8), 4);
    std::copy(length.begin(), length.end(), subset->riffHeader_.begin() + 4);
    return subset;
}

bool SoundFontSubset::read(std::FILE* file, int64_t at, void* into, int64_t count) const {
    if (at < 0 || count < 0 || at + count > Size()) return false;
    auto* out = static_cast<char*>(into);
    // Three stretches: our header, the original's information and samples, our preset data.
    for (; count > 0 && at < 12; --count) *out++ = riffHeader_[at++];
    if (count > 0 && at < pdtaStart_) {
        const int64_t n = std::min(count, pdtaStart_ - at);
        if (!readAt(file, at, out, n)) return false;
        out += n, at += n, count -= n;
    }
    if (count > 0) std::memcpy(out, pdta_.data() + (at - pdtaStart_), static_cast<size_t>(count));
    return true;
}

}  // namespace varnel
