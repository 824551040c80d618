#pragma once

// TDGCMapLib: tile maps, each a grid of map values (the tile image drawn in each cell).

#include <vector>

namespace sk2::dgc {

class TDGCMapLib
{
public:
    struct Map
    {
        int columns = 0;
        int rows = 0;
        std::vector<int> values; // row by row
    };

    // Adds a map of columns x rows cells holding 0 and returns its number.
    int AddMap(int columns, int rows);
    int Count() const { return int(m_maps.size()); }
    // Map n; nullptr when there is none.
    Map *MapAt(int n);
    const Map *MapAt(int n) const;

    // The value of a cell of map n; 0 outside the map (or without such a map).
    int GetTile(int n, int column, int row) const;
    // Sets a cell of map n; a cell outside the map is ignored.
    void SetTile(int n, int column, int row, int value);

private:
    std::vector<Map> m_maps;
};

} // namespace sk2::dgc
