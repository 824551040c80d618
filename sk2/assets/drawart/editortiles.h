#pragma once

// The track editor's tile pictures and the start-up form's small previews of them: true colour, the
// road in pure black and nothing else pure black (the editor's course check flood-fills the road), no
// pure red either (the check's mark), olive grass with green specks and a blue pond.

#include "tilelayout.h"

#include <QImage>

namespace sk2art {

QImage DrawEditorTile(const TileLayout &layout, int image);

} // namespace sk2art
