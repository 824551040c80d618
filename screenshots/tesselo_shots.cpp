// tesselo's frame window in play, for the README: a landscape drawn here is opened with File -> New
// Picture, cut with File -> New Jigsaw into about a hundred tabbed pieces, and a few of them are joined
// with the mouse around one piece, so the table shows loose pieces beside a growing patch of the
// picture and the status line shows progress.
//
//   tesselo_shots FOLDER [--check]      writes FOLDER/tesselo.png
#include "windowshot.h"

#include "framewindow.h"
#include "pieces.h"
#include "tablewindow.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cmath>
#include <optional>

using namespace tesselo;

namespace {

// The picture: a lake among hills under mountains, with a cottage, trees and a meadow in front; drawn
// in the soft gradients of the game's icon, with enough detail that every piece shows something.
QImage DrawLandscape(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    auto at = [&](qreal x, qreal y) { return QPointF(x * w, y * h); };
    QRandomGenerator random(7); // the same trees and flowers on every run

    QLinearGradient sky(at(0, 0), at(0, 0.55));
    sky.setColorAt(0, QColor(38, 96, 186));
    sky.setColorAt(0.7, QColor(140, 190, 235));
    sky.setColorAt(1, QColor(236, 214, 170));
    p.fillRect(picture.rect(), sky);

    QRadialGradient sun(at(0.76, 0.2), 0.16 * w);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.25, QColor(255, 224, 120));
    sun.setColorAt(1, QColor(255, 210, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(at(0.76, 0.2), 0.16 * w, 0.16 * w);

    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF &cloud : {at(0.18, 0.12), at(0.48, 0.07), at(0.9, 0.34)}) {
        for (int puff = 0; puff < 4; ++puff)
            p.drawEllipse(cloud + QPointF((puff - 1.5) * 0.035 * w, (puff % 2) * -0.012 * h), 0.04 * w,
                          0.025 * h);
    }

    // Mountains with snow on their tops.
    const QList<QList<QPointF>> ranges = {
        {at(0, 0.5), at(0.12, 0.3), at(0.22, 0.42), at(0.36, 0.22), at(0.5, 0.44), at(0.56, 0.5)},
        {at(0.4, 0.5), at(0.58, 0.27), at(0.68, 0.38), at(0.8, 0.25), at(0.93, 0.4), at(1, 0.36),
         at(1, 0.5)}};
    for (const QList<QPointF> &range : ranges) {
        QPainterPath rock(range.front());
        for (const QPointF &point : range.mid(1))
            rock.lineTo(point);
        rock.closeSubpath();
        QLinearGradient shade(at(0, 0.2), at(0, 0.5));
        shade.setColorAt(0, QColor(110, 116, 150));
        shade.setColorAt(1, QColor(78, 98, 120));
        p.setBrush(shade);
        p.drawPath(rock);
        p.save();
        p.setClipPath(rock);
        p.setBrush(QColor(246, 248, 255));
        for (int i = 1; i + 1 < range.size(); ++i) {
            const QPointF top = range[i];
            if (top.y() > 0.33 * h)
                continue;
            QPainterPath snow(top + QPointF(-0.06 * w, 0.07 * h));
            snow.lineTo(top + QPointF(0, -0.01 * h));
            snow.lineTo(top + QPointF(0.06 * w, 0.07 * h));
            snow.lineTo(top + QPointF(0.02 * w, 0.05 * h));
            snow.lineTo(top + QPointF(-0.01 * w, 0.075 * h));
            snow.closeSubpath();
            p.drawPath(snow);
        }
        p.restore();
    }

    // The lake, mirroring the sky.
    const QRectF lake(at(0, 0.5), at(1, 0.9));
    QLinearGradient water(lake.topLeft(), lake.bottomLeft());
    water.setColorAt(0, QColor(160, 200, 230));
    water.setColorAt(0.4, QColor(40, 100, 170));
    p.fillRect(lake, water);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    for (int i = 0; i < 14; ++i) {
        const qreal y = 0.52 + 0.012 * i;
        const qreal x = 0.05 + std::fmod(i * 0.37, 0.85);
        p.drawLine(at(x, y), at(x + 0.06, y));
    }
    p.setPen(Qt::NoPen);

    // Hills on both shores: up the picture's side from its bottom corner, then two curves to the bottom.
    auto hill = [&](QPointF corner, QPointF side, std::array<QPointF, 6> curves, QColor colour) {
        QPainterPath path(corner);
        path.lineTo(side);
        path.cubicTo(curves[0], curves[1], curves[2]);
        path.cubicTo(curves[3], curves[4], curves[5]);
        path.closeSubpath();
        p.setBrush(colour);
        p.drawPath(path);
    };
    hill(at(0, 1), at(0, 0.56),
         {at(0.15, 0.5), at(0.3, 0.58), at(0.42, 0.66), at(0.48, 0.72), at(0.44, 0.8), at(0.4, 1)},
         QColor(74, 150, 74));
    hill(at(1, 1), at(1, 0.58),
         {at(0.9, 0.55), at(0.78, 0.62), at(0.72, 0.7), at(0.68, 0.76), at(0.7, 0.85), at(0.74, 1)},
         QColor(96, 164, 72));

    // The meadow in front.
    QPainterPath meadow(at(0, 1));
    meadow.lineTo(at(0, 0.8));
    meadow.cubicTo(at(0.3, 0.72), at(0.6, 0.86), at(1, 0.78));
    meadow.lineTo(at(1, 1));
    meadow.closeSubpath();
    QLinearGradient grass(at(0, 0.75), at(0, 1));
    grass.setColorAt(0, QColor(130, 190, 70));
    grass.setColorAt(1, QColor(60, 130, 50));
    p.setBrush(grass);
    p.drawPath(meadow);

    // A red cottage on the right shore.
    const QRectF walls(at(0.8, 0.62), QSizeF(0.09 * w, 0.07 * h));
    p.setBrush(QColor(180, 40, 36));
    p.drawRect(walls);
    QPainterPath roof(walls.topLeft() + QPointF(-0.01 * w, 0));
    roof.lineTo(walls.center().x(), walls.top() - 0.05 * h);
    roof.lineTo(walls.topRight() + QPointF(0.01 * w, 0));
    roof.closeSubpath();
    p.setBrush(QColor(70, 50, 45));
    p.drawPath(roof);
    p.setBrush(QColor(250, 230, 150));
    p.drawRect(QRectF(walls.topLeft() + QPointF(0.015 * w, 0.02 * h), QSizeF(0.018 * w, 0.022 * h)));
    p.setBrush(QColor(240, 240, 230));
    p.drawRect(QRectF(walls.topLeft() + QPointF(0.055 * w, 0.03 * h), QSizeF(0.016 * w, 0.04 * h)));

    // Pines on the left hill, round trees on the right, darker the nearer.
    auto pine = [&](QPointF foot, qreal height, QColor colour) {
        p.setBrush(QColor(90, 60, 40));
        p.drawRect(
            QRectF(foot - QPointF(height * 0.04, height * 0.15), QSizeF(height * 0.08, height * 0.15)));
        p.setBrush(colour);
        for (int tier = 0; tier < 3; ++tier) {
            const qreal base = foot.y() - height * (0.1 + tier * 0.25);
            const qreal half = height * (0.3 - tier * 0.07);
            QPainterPath cone(QPointF(foot.x() - half, base));
            cone.lineTo(foot.x(), base - height * 0.45);
            cone.lineTo(foot.x() + half, base);
            cone.closeSubpath();
            p.drawPath(cone);
        }
    };
    for (int i = 0; i < 9; ++i) {
        const qreal x = 0.03 + i * 0.045 + random.bounded(0.02);
        const qreal foot = 0.6 + 0.035 * std::sin(i * 0.9) + i * 0.012;
        pine(at(x, foot), (0.12 + random.bounded(0.05)) * h, QColor(30, 96 + 6 * i, 50));
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF foot = at(0.68 + i * 0.07, 0.82 - (i % 2) * 0.03);
        p.setBrush(QColor(100, 70, 45));
        p.drawRect(QRectF(foot - QPointF(0.004 * w, 0.05 * h), QSizeF(0.008 * w, 0.05 * h)));
        QRadialGradient crown(foot + QPointF(-0.01 * w, -0.09 * h), 0.06 * w);
        crown.setColorAt(0, QColor(150, 200, 80));
        crown.setColorAt(1, QColor(40, 110, 40));
        p.setBrush(crown);
        p.drawEllipse(foot + QPointF(0, -0.075 * h), 0.04 * w, 0.05 * h);
    }

    // Flowers in the meadow.
    const QColor petals[] = {QColor(250, 220, 60), QColor(240, 90, 120), QColor(255, 255, 255),
                             QColor(170, 110, 230), QColor(255, 150, 40)};
    for (int i = 0; i < 160; ++i) {
        const qreal x = random.bounded(1.0);
        const qreal y = 0.86 + random.bounded(0.14);
        p.setBrush(petals[random.bounded(5)]);
        p.drawEllipse(at(x, y), 0.006 * w, 0.006 * w);
    }
    return picture;
}

// Answers the New Jigsaw dialog, as a player would, with about a hundred tabbed pieces.
void AnswerNewJigsawDialog(QTimer &watcher)
{
    QObject::connect(&watcher, &QTimer::timeout, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        for (const char *name : {"count100", "styleTabbed", "IDOK"}) {
            if (auto *button = dialog->findChild<QAbstractButton *>(QLatin1String(name)))
                button->click();
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    watcher.start(10);
}

Piece &PieceOf(int id)
{
    return *pieceTable[id].piece;
}

// Points of the piece's own shape, in table coordinates: the middle of its cell and four points halfway
// to the cell's corners, where no knob of a neighbour cuts in.
QList<QPoint> Grips(const Piece &piece)
{
    const QPoint middle(piece.x + piece.w / 2, piece.y + piece.h / 2);
    const int dx = piece.w / 8;
    const int dy = piece.h / 8;
    return {middle, middle + QPoint(-dx, -dy), middle + QPoint(dx, -dy), middle + QPoint(-dx, dy),
            middle + QPoint(dx, dy)};
}

// A point where a press takes this piece: no piece in front of it reaches there. A piece reaches no
// further than its cell and its knobs, a tenth of a cell inside its box.
std::optional<QPoint> FreeGrip(const Piece &piece)
{
    for (const QPoint &grip : Grips(piece)) {
        bool covered = false;
        for (const Piece *front = pieceFront; front && front != &piece && !covered; front = front->next) {
            covered = QRect(front->x, front->y, front->w, front->h)
                          .adjusted(front->w / 20, front->h / 20, -front->w / 20, -front->h / 20)
                          .contains(grip);
        }
        if (!covered)
            return grip;
    }
    return std::nullopt;
}

// Where the piece's box lies on the table once it is joined to `beside`, wherever that lies.
QPoint HomeBeside(const Piece &piece, const Piece &beside)
{
    return {beside.x + piece.srcX - beside.srcX, beside.y + piece.srcY - beside.srcY};
}

// The grid neighbours of a piece, by identifier.
QList<int> Neighbours(int id)
{
    QList<int> near;
    const int row = id / cols;
    const int col = id % cols;
    if (col > 0)
        near.append(id - 1);
    if (col + 1 < cols)
        near.append(id + 1);
    if (row > 0)
        near.append(id - cols);
    if (row + 1 < rows)
        near.append(id + cols);
    return near;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesselo"));
    shots::ShotRun run(app.arguments(), "Saves tesselo.png: the jigsaw with a puzzle in play.");
    if (!run.usable())
        return 2;
    QTemporaryDir folder;
    const QString picturePath = folder.filePath(QStringLiteral("lakeside.bmp"));
    if (!folder.isValid() ||
        !DrawLandscape(QSize(520, 390)).convertToFormat(QImage::Format_RGB888).save(picturePath, "BMP")) {
        run.Fail(QStringLiteral("the picture could not be written to %1").arg(picturePath));
        return run.Finish();
    }

    SeedRandom(4242); // the same scatter on every run
    FrameWindow frame;
    frame.SetFileDialogRunner([&picturePath](QFileDialog &) { return picturePath; });
    frame.resize(1060, 840);
    if (!shots::ShowWindow(frame)) {
        run.Fail(QStringLiteral("tesselo's window was never shown"));
        return run.Finish();
    }
    frame.action(IDM_F_NEWPICTURE)->trigger();
    {
        QTimer watcher;
        AnswerNewJigsawDialog(watcher);
        frame.action(IDM_F_NEWJIGSAW)->trigger();
    }
    if (total < 90) {
        run.Fail(QStringLiteral("New Jigsaw cut %1 pieces").arg(total));
        return run.Finish();
    }
    shots::Settle();

    // The player starts with the cottage on the shore: that piece is put in the middle of the view, and
    // its neighbours are dragged one by one from where they lie to their places beside the group.
    QWidget *viewport = frame.tableWindow()->viewport();
    const QRect view(frame.game().table().scroll(), viewport->size());
    auto inView = [&view](const QRect &box) { return view.contains(box); };
    auto boxOf = [](const Piece &piece) { return QRect(piece.x, piece.y, piece.w, piece.h); };
    const int anchor = (rows * 3 / 5) * cols + cols * 4 / 5;
    if (const std::optional<QPoint> grip = FreeGrip(PieceOf(anchor))) {
        const QPoint middle(view.width() * 45 / 100, view.height() * 45 / 100);
        const Piece &piece = PieceOf(anchor);
        shots::MouseDrag(viewport, *grip - view.topLeft(),
                         middle + *grip - QPoint(piece.x + piece.w / 2, piece.y + piece.h / 2));
    }
    QList<int> group{anchor};
    constexpr int Joins = 15;
    for (int step = 0; step < Joins; ++step) {
        struct Next
        {
            int id;     // the piece to drag
            int beside; // the piece of the group it goes beside
            QPoint grip;
        };
        std::optional<Next> next;
        for (int member : group) {
            for (int id : Neighbours(member)) {
                const Piece &piece = PieceOf(id);
                const Piece &beside = PieceOf(member);
                const QRect home(HomeBeside(piece, beside), QSize(piece.w, piece.h));
                if (next || group.contains(id) || !inView(boxOf(piece)) || !inView(home))
                    continue;
                if (const std::optional<QPoint> grip = FreeGrip(piece))
                    next = Next{id, member, *grip};
            }
        }
        if (!next)
            break;
        // Some seconds of looking for the piece.
        for (int second = 0; second < 8 + 2 * step; ++second)
            frame.game().Tick();
        const Piece &piece = PieceOf(next->id);
        const Piece &beside = PieceOf(next->beside);
        const QPoint from = next->grip - view.topLeft();
        const QPoint to = from + HomeBeside(piece, beside) - QPoint(piece.x, piece.y);
        const int placedBefore = placed;
        shots::MouseDrag(viewport, from, to + QPoint(step % 3 - 1, 2 - step % 4)); // a hand is a little off
        if (placed <= placedBefore) {
            run.Fail(QStringLiteral("dragging piece %1 beside piece %2 joined nothing")
                         .arg(next->id)
                         .arg(next->beside));
            break;
        }
        group.append(next->id);
    }
    if (placed < 6)
        run.Fail(QStringLiteral("only %1 pieces placed").arg(placed));
    for (int second = 0; second < 9; ++second)
        frame.game().Tick();
    frame.update();

    // The table between the scattered pieces is white: three quarters of the picture may be.
    run.SaveWindow(frame, QStringLiteral("tesselo"), 0.8);
    frame.game().SetDirty(false); // leave without the question about saving
    return run.Finish();
}
