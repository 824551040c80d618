#include "gamepalette.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <unordered_map>

namespace sk2art {

namespace {

// The sixteen standard colours, at indexes 1 to 16: the texts and boxes of the race screens ask for
// several of them by value, and find them exactly.
const std::array<QRgb, 16> StandardColours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

bool IsReserved(int index)
{
    return index == RoadIndex || index == Marker800Index || index == Marker640Index;
}

bool IsFixed(int index)
{
    return IsReserved(index) || (index >= 1 && index <= 16);
}

// Distance with the eye's greater sensitivity to green.
int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

struct WeightedColour
{
    QRgb colour;
    long long weight;
};

int Channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// A box of the median cut: a run of the colour list.
struct Box
{
    std::size_t begin;
    std::size_t end;
    double error = 0; // weighted squared spread around the mean: the box that splits next is the worst
    int axis = 0;
};

void Measure(Box &box, const std::vector<WeightedColour> &colours)
{
    std::array<double, 3> sum{}, sumSquares{};
    double weight = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int axis = 0; axis < 3; ++axis) {
            const double v = Channel(colours[i].colour, axis);
            sum[axis] += v * colours[i].weight;
            sumSquares[axis] += v * v * colours[i].weight;
        }
        weight += colours[i].weight;
    }
    box.error = 0;
    double widest = -1;
    for (int axis = 0; axis < 3; ++axis) {
        const double spread = sumSquares[axis] - sum[axis] * sum[axis] / weight;
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.axis = axis;
        }
    }
    if (box.end - box.begin < 2)
        box.error = 0;
}

QRgb Mean(const std::vector<WeightedColour> &colours, std::size_t begin, std::size_t end)
{
    double r = 0, g = 0, b = 0, w = 0;
    for (std::size_t i = begin; i < end; ++i) {
        r += qRed(colours[i].colour) * double(colours[i].weight);
        g += qGreen(colours[i].colour) * double(colours[i].weight);
        b += qBlue(colours[i].colour) * double(colours[i].weight);
        w += colours[i].weight;
    }
    return qRgb(int(r / w + 0.5), int(g / w + 0.5), int(b / w + 0.5));
}

std::vector<QRgb> MedianCut(std::vector<WeightedColour> colours, int count)
{
    std::vector<Box> boxes{Box{0, colours.size()}};
    Measure(boxes[0], colours);
    while (int(boxes.size()) < count) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box &a, const Box &b) { return a.error < b.error; });
        if (worst->error <= 0)
            break;
        Box box = *worst;
        const int axis = box.axis;
        std::sort(colours.begin() + long(box.begin), colours.begin() + long(box.end),
                  [axis](const WeightedColour &a, const WeightedColour &b) {
                      return Channel(a.colour, axis) < Channel(b.colour, axis);
                  });
        long long total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i)
            total += colours[i].weight;
        long long running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += colours[i].weight;
            split = i + 1;
            if (2 * running >= total)
                break;
        }
        Box low{box.begin, split};
        Box high{split, box.end};
        Measure(low, colours);
        Measure(high, colours);
        *worst = low;
        boxes.push_back(high);
    }
    std::vector<QRgb> result;
    for (const Box &box : boxes)
        result.push_back(Mean(colours, box.begin, box.end));
    return result;
}

} // namespace

QColor RoadColour()
{
    return QColor(48, 48, 52);
}

QColor MarkerColour()
{
    return QColor(18, 18, 22);
}

IndexedArt::IndexedArt(QImage picture)
    : colour(picture.convertToFormat(QImage::Format_RGB32))
    , forced(std::size_t(colour.width()) * colour.height(), -1)
{}

GamePalette GamePalette::FromArt(const std::vector<const IndexedArt *> &art)
{
    std::unordered_map<QRgb, long long> histogram;
    for (const IndexedArt *picture : art) {
        for (int y = 0; y < picture->colour.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(picture->colour.constScanLine(y));
            for (int x = 0; x < picture->colour.width(); ++x) {
                if (picture->Forced(x, y) < 0)
                    ++histogram[line[x] | 0xff000000u];
            }
        }
    }
    std::vector<WeightedColour> colours;
    for (const auto &[colour, weight] : histogram)
        colours.push_back({colour, weight});
    // The hash map's order is not fixed: sort so that every build chooses the same palette.
    std::sort(colours.begin(), colours.end(),
              [](const WeightedColour &a, const WeightedColour &b) { return a.colour < b.colour; });

    std::vector<int> freeSlots;
    for (int index = 0; index < 256; ++index) {
        if (!IsFixed(index))
            freeSlots.push_back(index);
    }
    std::vector<QRgb> chosen = MedianCut(colours, int(freeSlots.size()));

    GamePalette palette;
    palette.m_table = QList<QRgb>(256, qRgb(0, 0, 0));
    palette.m_table[RoadIndex] = RoadColour().rgb();
    palette.m_table[Marker800Index] = MarkerColour().rgb();
    palette.m_table[Marker640Index] = MarkerColour().rgb();
    for (int i = 0; i < 16; ++i)
        palette.m_table[1 + i] = StandardColours[std::size_t(i)];
    for (std::size_t i = 0; i < freeSlots.size(); ++i)
        palette.m_table[freeSlots[i]] = i < chosen.size() ? chosen[i] : StandardColours[i % 16];

    // A few rounds of k-means move the free entries to the middle of the colours they stand for.
    for (int round = 0; round < 6; ++round) {
        std::vector<std::array<double, 4>> sums(256, {0, 0, 0, 0});
        for (const WeightedColour &c : colours) {
            const int index = palette.NearestFree(c.colour);
            sums[index][0] += qRed(c.colour) * double(c.weight);
            sums[index][1] += qGreen(c.colour) * double(c.weight);
            sums[index][2] += qBlue(c.colour) * double(c.weight);
            sums[index][3] += double(c.weight);
        }
        for (int index : freeSlots) {
            const auto &s = sums[index];
            if (s[3] > 0)
                palette.m_table[index] =
                    qRgb(int(s[0] / s[3] + 0.5), int(s[1] / s[3] + 0.5), int(s[2] / s[3] + 0.5));
        }
    }
    return palette;
}

int GamePalette::NearestFree(QRgb colour) const
{
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    for (int index = 0; index < 256; ++index) {
        if (IsReserved(index))
            continue;
        const int d = Distance(colour, m_table[index]);
        if (d < bestDistance) {
            bestDistance = d;
            best = index;
        }
    }
    return best;
}

QImage GamePalette::Map(const IndexedArt &art) const
{
    QImage result(art.colour.size(), QImage::Format_Indexed8);
    result.setColorTable(m_table);
    std::unordered_map<QRgb, int> cache;
    for (int y = 0; y < result.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(art.colour.constScanLine(y));
        uchar *out = result.scanLine(y);
        for (int x = 0; x < result.width(); ++x) {
            int index = art.Forced(x, y);
            if (index < 0) {
                const QRgb colour = line[x] | 0xff000000u;
                auto found = cache.find(colour);
                if (found == cache.end())
                    found = cache.emplace(colour, NearestFree(colour)).first;
                index = found->second;
            }
            if (index < 0 || index > 255)
                throw std::runtime_error("a pixel was forced to an index outside the palette");
            out[x] = uchar(index);
        }
    }
    return result;
}

QImage GamePalette::Chart() const
{
    QImage chart(16, 16, QImage::Format_Indexed8);
    chart.setColorTable(m_table);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            chart.setPixel(x, y, uint(y * 16 + x));
    }
    return chart;
}

} // namespace sk2art
