#include "table.h"

#include "alerts.h"
#include "bitmaps.h"
#include "joining.h"
#include "pieces.h"

#include <QPainter>

#include <algorithm>

namespace tesselo {

namespace {

// Walks the chain of the group that `member` belongs to, from its leader, calling `visit` on each piece.
template<typename Visit> void ForEachInGroup(const Piece &member, Visit visit)
{
    for (int at = pieceTable[member.id].group;; at = pieceTable[at].next) {
        visit(*pieceTable[at].piece);
        if (pieceTable[at].next == at)
            return;
    }
}

QRect SlotOf(const Piece &piece)
{
    return QRect(piece.sheetX, piece.sheetY, piece.w, piece.h);
}

} // namespace

Table::Table(PuzzleBitmaps &bitmaps)
    : m_bitmaps(bitmaps)
{
    m_backing = MakeBitmap(nullptr, QSize(TableWidth, TableHeight), false, "bmBacking", "WM_CREATE");
    if (m_backing)
        Fill(m_backing, QRect(0, 0, TableWidth, TableHeight), BackgroundColour);
    else
        ShowAlert(AlertIcon::Stop, QStringLiteral("WM_CREATE"),
                  QStringLiteral("Unable to allocate screen backing bitmap!"));
    m_draw = MakeBitmap(nullptr, QSize(1, 1), false, "bmDraw", "WM_CREATE");
    if (!m_draw)
        ShowAlert(AlertIcon::Stop, QStringLiteral("WM_CREATE"),
                  QStringLiteral("Unable to allocate draw scratch bitmap!"));
}

Table::~Table()
{
    FreeBitmap(m_backing);
    FreeBitmap(m_draw);
}

bool Table::Resize(QSize client)
{
    if (client == m_client || client.isEmpty())
        return false;
    m_client = client;
    const QPoint before = scroll();
    m_scrollX = std::min(m_scrollX, scrollMaximumX());
    m_scrollY = std::min(m_scrollY, scrollMaximumY());
    FreeBitmap(m_draw);
    m_draw = MakeBitmap(nullptr, client, false, "bmDraw", "WM_SIZE");
    if (!m_draw)
        ShowAlert(AlertIcon::Stop, QStringLiteral("WM_SIZE"),
                  QStringLiteral("Unable to reallocate draw scratch bitmap!"));
    m_drawValid = QRect();
    return scroll() != before;
}

bool Table::Scroll(Qt::Orientation bar, ScrollRequest request, int thumb)
{
    int &position = bar == Qt::Horizontal ? m_scrollX : m_scrollY;
    const int clientSize = bar == Qt::Horizontal ? m_client.width() : m_client.height();
    const int tableSize = bar == Qt::Horizontal ? TableWidth : TableHeight;
    const int target = ScrollTarget(request, position, clientSize, tableSize, thumb);
    if (target == position)
        return false;
    position = target;
    m_drawValid = QRect();
    return true;
}

void Table::RedrawTable(const QRect &rect, const Piece *stop)
{
    if (!m_backing)
        return;
    Fill(m_backing, rect, BackgroundColour);
    if (!m_bitmaps.picSheet || !m_bitmaps.maskSheet)
        return;
    for (const Piece *piece = pieceBack; piece && piece != stop; piece = piece->prev)
        DrawPiece(piece, rect, m_bitmaps.picSheet, m_bitmaps.maskSheet, m_backing);
}

void Table::ShowPicture()
{
    if (!m_backing)
        return;
    Fill(m_backing, QRect(0, 0, TableWidth, TableHeight), BackgroundColour);
    if (m_bitmaps.picture)
        Transfer(m_backing, QPoint(10, 10), m_bitmaps.picture, QRect(QPoint(0, 0), SizeOf(m_bitmaps.picture)),
                 Rop::Copy);
}

void Table::Paint(QPainter &painter, const QRect &update)
{
    if (update.isEmpty() || !m_backing)
        return;
    if (m_dragging && m_drawValid.contains(update)) {
        painter.drawImage(update.topLeft(), PixelsOf(m_draw), update);
        return;
    }
    // Beyond the table's edge, in a window larger than the table, lies plain background.
    const QRect onTable = update.intersected(QRect(-m_scrollX, -m_scrollY, TableWidth, TableHeight));
    if (onTable != update)
        painter.fillRect(update, QColor::fromRgb(BackgroundColour));
    painter.drawImage(onTable.topLeft(), PixelsOf(m_backing), onTable.translated(m_scrollX, m_scrollY));
    if (!m_dragging)
        return;
    const QRect group = GroupBoxInWindow().intersected(QRect(QPoint(0, 0), m_client));
    if (!m_drawValid.contains(group))
        ComposeDrag(group);
    const QRect shown = group.intersected(update);
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), PixelsOf(m_draw), shown);
}

bool Table::PieceUnder(const Piece &piece, QPoint at) const
{
    if (at.x() < piece.x || at.x() > piece.x + piece.w || at.y() < piece.y || at.y() > piece.y + piece.h)
        return false;
    return IsBlack(m_bitmaps.maskSheet, piece.sheetX + at.x() - piece.x, piece.sheetY + at.y() - piece.y);
}

bool Table::Press(QPoint mouse)
{
    if (!m_bitmaps.maskSheet || !m_bitmaps.picSheet || m_dragging)
        return false;
    const QPoint at = mouse + scroll();
    const Piece *hit = nullptr;
    for (const Piece *piece = pieceFront; piece && !hit; piece = piece->next) {
        if (PieceUnder(*piece, at))
            hit = piece;
    }
    if (!hit)
        return false;
    m_lastX = mouse.x();
    m_lastY = mouse.y();
    m_dragging = true;
    m_wasComplete = placed == total;

    QRect box;
    ForEachInGroup(*hit, [&box](Piece &piece) {
        GrowRect(box, piece);
        BringToFront(&piece);
    });
    const Piece *leader = pieceTable[pieceTable[hit->id].group].piece;
    RedrawTable(box, leader);
    AssembleGroup(box);
    // Show the group lifted at once, where it was.
    m_drawValid = QRect();
    return true;
}

bool Table::EnsureScratch(QSize size)
{
    // Made for the picture at 1.2 times its size; a group spreading wider (a puzzle of few columns or
    // rows) gets larger ones, so that it is never cut off while it is dragged.
    const QSize have = m_bitmaps.scratchPic ? SizeOf(m_bitmaps.scratchPic) : QSize();
    if (m_bitmaps.scratchMask && have.width() >= size.width() && have.height() >= size.height())
        return true;
    const QSize want = have.expandedTo(size);
    MemBitmap *pic = MakeBitmap(m_bitmaps.scratchPic, want, false, "bmScratchPic", "WM_LBUTTONDOWN");
    MemBitmap *mask = pic ? MakeBitmap(pic, want, true, "bmScratchMask", "WM_LBUTTONDOWN") : nullptr;
    if (!pic || !mask) {
        FreeBitmap(pic);
        return false;
    }
    FreeBitmap(m_bitmaps.scratchPic);
    FreeBitmap(m_bitmaps.scratchMask);
    m_bitmaps.scratchPic = pic;
    m_bitmaps.scratchMask = mask;
    return true;
}

void Table::AssembleGroup(const QRect &box)
{
    if (!EnsureScratch(box.size()))
        return;
    Fill(m_bitmaps.scratchMask, QRect(QPoint(0, 0), box.size()), 0xFFFFFFFF);
    Fill(m_bitmaps.scratchPic, QRect(QPoint(0, 0), box.size()), 0xFF000000);
    ForEachInGroup(*pieceFront, [this, &box](Piece &piece) {
        const QPoint at(piece.x - box.left(), piece.y - box.top());
        Transfer(m_bitmaps.scratchMask, at, m_bitmaps.maskSheet, SlotOf(piece), Rop::And);
        Transfer(m_bitmaps.scratchPic, at, m_bitmaps.picSheet, SlotOf(piece), Rop::Paint);
    });
}

QRect Table::GroupBoxInWindow() const
{
    return pieceFront ? GroupBox(*pieceFront).translated(-m_scrollX, -m_scrollY) : QRect();
}

void Table::ComposeDrag(const QRect &windowArea)
{
    if (!m_draw || !m_backing || windowArea.isEmpty())
        return;
    Transfer(m_draw, windowArea.topLeft(), m_backing, windowArea.translated(m_scrollX, m_scrollY), Rop::Copy);
    const QRect group = GroupBoxInWindow();
    const QRect scratch(QPoint(0, 0), group.size());
    Transfer(m_draw, group.topLeft(), m_bitmaps.scratchMask, scratch, Rop::And);
    Transfer(m_draw, group.topLeft(), m_bitmaps.scratchPic, scratch, Rop::Paint);
    m_drawValid = windowArea.intersected(QRect(QPoint(0, 0), m_client));
}

QRect Table::DragStep(QPoint mouse, bool *scrolled)
{
    if (!m_dragging)
        return {};
    int mx = mouse.x();
    int my = mouse.y();
    const QPoint before = scroll();
    if (mx < 0) {
        mx = 0;
        Scroll(Qt::Horizontal, ScrollRequest::LineBack);
    } else if (mx > m_client.width()) {
        mx = m_client.width();
        Scroll(Qt::Horizontal, ScrollRequest::LineForward);
    }
    if (my < 0) {
        my = 0;
        Scroll(Qt::Vertical, ScrollRequest::LineBack);
    } else if (my > m_client.height()) {
        my = m_client.height();
        Scroll(Qt::Vertical, ScrollRequest::LineForward);
    }
    // The point of the group under the pointer stays on the table, so no group can be dropped where it
    // cannot be seen and picked up again (a window larger than the table would allow that).
    mx = std::min(mx, TableWidth - 1 - m_scrollX);
    my = std::min(my, TableHeight - 1 - m_scrollY);
    m_lastX += before.x() - m_scrollX;
    m_lastY += before.y() - m_scrollY;
    const int dx = mx - m_lastX;
    const int dy = my - m_lastY;

    QRect area;
    ForEachInGroup(*pieceFront, [&area, dx, dy](Piece &piece) {
        GrowRect(area, piece);
        piece.x += dx;
        piece.y += dy;
        if (dx != 0 || dy != 0)
            GrowRect(area, piece);
    });
    const QRect windowArea = area.translated(-m_scrollX, -m_scrollY);
    ComposeDrag(windowArea.intersected(QRect(QPoint(0, 0), m_client)));
    m_lastX = mx;
    m_lastY = my;
    if (scrolled)
        *scrolled = scroll() != before;
    return windowArea;
}

DropOutcome Table::Drop(const std::function<void()> &joined)
{
    DropOutcome outcome;
    if (!m_dragging)
        return outcome;
    m_dragging = false;
    m_drawValid = QRect();
    const DropResult result = JoinDroppedGroup(joined);
    RedrawTable(result.area);
    outcome.windowArea = result.area.translated(-m_scrollX, -m_scrollY);
    outcome.joins = result.joins;
    outcome.finished = placed == total && !m_wasComplete;
    return outcome;
}

} // namespace tesselo
