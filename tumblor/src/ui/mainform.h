#pragma once

#include "game.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <memory>

namespace Ui {
class Tmain;
}
namespace tumblor {
class RandomSource;
}
class DrawGrid;

// The game's one window: the board drawn on a grid, the score line and the Game and Info menus.
// It turns mouse presses and releases on the grid into moves of the game and draws what the game holds.
class Tmain : public QMainWindow
{
    Q_OBJECT

public:
    explicit Tmain(QWidget *parent = nullptr);
    ~Tmain() override;

    // The game is dealt from this source from now on (tests deal known boards).
    void setRandomSource(std::unique_ptr<tumblor::RandomSource> random);

    tumblor::Game &game() { return m_game; }
    DrawGrid *grid() const;

    // The rules, one line each, separated by carriage returns.
    static QString RulesText();

    // Draws every cell from the board and shows the score.
    void DrawBoard();

private slots:
    void menustartClick();
    void menuexitClick();
    void minfoitemClick();
    void gridMouseDown(Qt::MouseButton button, int x, int y);
    void gridMouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void FormPaint();
    void LoadTiles();
    void StartGame();
    void DrawCell(int col, int row, int kind, int colour);
    void DrawPicture(int col, int row, const QImage &picture);
    const QImage *PictureFor(int kind, int colour) const;

    std::unique_ptr<Ui::Tmain> ui;
    std::unique_ptr<tumblor::RandomSource> m_random;
    tumblor::Game m_game;
    // "E", then "R1".."R10", "S1".."S10", "P1".."P10".
    std::array<QImage, 31> m_tiles;
    bool m_tilesLoaded = false;
};
