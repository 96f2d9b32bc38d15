#include "tools/artgen/Quantiser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>

namespace varnel::artgen {

using namespace varnel::art;
namespace {

constexpr int kFreeEntries = 255;  // index 0 is kept for black
constexpr int kRefinementRounds = 6;

struct Colour {
    int channel[3];
    std::int64_t count;
};

std::uint32_t pack(const Rgb& c) {
    return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

// Distance weighted roughly by how strongly the eye tells the channels apart.
std::int64_t distance(const int a[3], const int b[3]) {
    const std::int64_t dr = a[0] - b[0];
    const std::int64_t dg = a[1] - b[1];
    const std::int64_t db = a[2] - b[2];
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Box {
    std::size_t begin;
    std::size_t end;  // range in the colour list
    std::int64_t weight;
    int longestAxis;
    int range;
};

Box makeBox(const std::vector<Colour>& colours, std::size_t begin, std::size_t end) {
    int low[3] = {255, 255, 255};
    int high[3] = {0, 0, 0};
    std::int64_t weight = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], colours[i].channel[k]);
            high[k] = std::max(high[k], colours[i].channel[k]);
        }
        weight += colours[i].count;
    }
    int axis = 0;
    for (int k = 1; k < 3; ++k)
        if (high[k] - low[k] > high[axis] - low[axis]) axis = k;
    return {begin, end, weight, axis, high[axis] - low[axis]};
}

// Splits the box that is both wide and well used, until every free entry has a box.
std::vector<Box> medianCut(std::vector<Colour>& colours) {
    std::vector<Box> boxes{makeBox(colours, 0, colours.size())};
    while (static_cast<int>(boxes.size()) < kFreeEntries) {
        int best = -1;
        double bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2 || boxes[i].range == 0) continue;
            const double score =
                static_cast<double>(boxes[i].range) * static_cast<double>(boxes[i].weight);
            if (score > bestScore) {
                bestScore = score;
                best = static_cast<int>(i);
            }
        }
        if (best < 0) break;
        const Box box = boxes[static_cast<std::size_t>(best)];
        const int axis = box.longestAxis;
        std::stable_sort(
            colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
            colours.begin() + static_cast<std::ptrdiff_t>(box.end),
            [axis](const Colour& a, const Colour& b) { return a.channel[axis] < b.channel[axis]; });
        std::int64_t half = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            half += colours[i].count;
            split = i + 1;
            if (2 * half >= box.weight) break;
        }
        boxes[static_cast<std::size_t>(best)] = makeBox(colours, box.begin, split);
        boxes.push_back(makeBox(colours, split, box.end));
    }
    return boxes;
}

std::size_t nearest(const std::vector<std::array<int, 3>>& entries, const int c[3]) {
    std::size_t best = 0;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::int64_t d = distance(entries[i].data(), c);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::vector<std::array<int, 3>> chooseEntries(std::vector<Colour>& colours) {
    std::vector<std::array<int, 3>> entries;
    if (static_cast<int>(colours.size()) <= kFreeEntries) {
        for (const Colour& c : colours)
            entries.push_back({c.channel[0], c.channel[1], c.channel[2]});
        return entries;
    }
    for (const Box& box : medianCut(colours)) {
        std::int64_t sum[3] = {0, 0, 0};
        for (std::size_t i = box.begin; i < box.end; ++i)
            for (int k = 0; k < 3; ++k) sum[k] += colours[i].channel[k] * colours[i].count;
        std::array<int, 3> mean{};
        for (int k = 0; k < 3; ++k)
            mean[static_cast<std::size_t>(k)] =
                static_cast<int>((sum[k] + box.weight / 2) / box.weight);
        entries.push_back(mean);
    }
    for (int round = 0; round < kRefinementRounds; ++round) {
        std::vector<std::array<std::int64_t, 4>> sums(entries.size(), {0, 0, 0, 0});
        for (const Colour& c : colours) {
            auto& s = sums[nearest(entries, c.channel)];
            for (int k = 0; k < 3; ++k) s[static_cast<std::size_t>(k)] += c.channel[k] * c.count;
            s[3] += c.count;
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (sums[i][3] == 0) continue;  // an entry nobody uses keeps its colour
            for (std::size_t k = 0; k < 3; ++k)
                entries[i][k] = static_cast<int>((sums[i][k] + sums[i][3] / 2) / sums[i][3]);
        }
    }
    return entries;
}

}  // namespace

IndexedImage Quantise(const RgbImage& image) {
    std::map<std::uint32_t, std::int64_t> histogram;
    for (const Rgb& pixel : image.pixels)
        if (pixel != Rgb{}) ++histogram[pack(pixel)];

    std::vector<Colour> colours;
    colours.reserve(histogram.size());
    for (const auto& [packed, count] : histogram)
        colours.push_back({{static_cast<int>(packed >> 16), static_cast<int>((packed >> 8) & 0xFF),
                            static_cast<int>(packed & 0xFF)},
                           count});

    std::vector<std::array<int, 3>> entries = chooseEntries(colours);
    // A stable order, darkest first, keeps the files easy to compare by eye.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const int la = 3 * a[0] + 6 * a[1] + a[2];
        const int lb = 3 * b[0] + 6 * b[1] + b[2];
        return la != lb ? la < lb : a < b;
    });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());

    IndexedImage result;
    result.width = image.width;
    result.height = image.height;
    for (std::size_t i = 0; i < entries.size(); ++i)
        result.palette[i + 1] = {static_cast<std::uint8_t>(entries[i][0]),
                                 static_cast<std::uint8_t>(entries[i][1]),
                                 static_cast<std::uint8_t>(entries[i][2])};

    // Black competes with the other entries, so a near-black outline may become black too.
    std::vector<std::array<int, 3>> all{{0, 0, 0}};
    all.insert(all.end(), entries.begin(), entries.end());
    std::map<std::uint32_t, std::uint8_t> lookup;
    for (const Colour& c : colours)
        lookup[(std::uint32_t(c.channel[0]) << 16) | (std::uint32_t(c.channel[1]) << 8) |
               std::uint32_t(c.channel[2])] = static_cast<std::uint8_t>(nearest(all, c.channel));

    result.pixels.reserve(image.pixels.size());
    for (const Rgb& pixel : image.pixels)
        result.pixels.push_back(pixel == Rgb{} ? 0 : lookup.at(pack(pixel)));
    return result;
}

}  // namespace varnel::artgen
