#include "maplib.h"

#include <algorithm>

namespace sk2::dgc {

int TDGCMapLib::AddMap(int columns, int rows)
{
    Map map;
    map.columns = std::max(columns, 0);
    map.rows = std::max(rows, 0);
    map.values.assign(std::size_t(map.columns) * std::size_t(map.rows), 0);
    m_maps.push_back(std::move(map));
    return Count() - 1;
}

TDGCMapLib::Map *TDGCMapLib::MapAt(int n)
{
    return n >= 0 && n < Count() ? &m_maps[std::size_t(n)] : nullptr;
}

const TDGCMapLib::Map *TDGCMapLib::MapAt(int n) const
{
    return n >= 0 && n < Count() ? &m_maps[std::size_t(n)] : nullptr;
}

int TDGCMapLib::GetTile(int n, int column, int row) const
{
    const Map *map = MapAt(n);
    if (!map || column < 0 || row < 0 || column >= map->columns || row >= map->rows)
        return 0;
    return map->values[std::size_t(row * map->columns + column)];
}

void TDGCMapLib::SetTile(int n, int column, int row, int value)
{
    Map *map = MapAt(n);
    if (!map || column < 0 || row < 0 || column >= map->columns || row >= map->rows)
        return;
    map->values[std::size_t(row * map->columns + column)] = value;
}

} // namespace sk2::dgc
