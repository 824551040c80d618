#pragma once

// What every screenshot program shares: its command line, showing a real window and saving what it
// paints as a PNG, driving it with the mouse, and checking the saved pictures afterwards.
//
//   PROGRAM FOLDER [--check]
//
// The pictures go into FOLDER (made when missing). With --check each saved file is read back and must
// have the window's size and show real content: many colours, none of them covering most of
// the picture (a window whose art failed to load is mostly one flat colour). The programs run on any Qt
// platform; on the offscreen one QWidget::grab() still paints the real widgets with the real fonts.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointingDevice>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <vector>

namespace shots {

// Lets queued events, layouts and paints run.
inline void Settle(int rounds = 5)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Shows a top-level window and waits until the platform has exposed it.
inline bool ShowWindow(QWidget &window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    Settle();
    return true;
}

// One mouse button event at a widget position, delivered as the window system would.
inline void SendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(widget, &event);
}

// Drags with the left button from `from` to `to` (widget coordinates) in a few steps, as a hand does.
inline void MouseDrag(QWidget *widget, QPoint from, QPoint to, int steps = 4)
{
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
        SendMouse(widget, QEvent::MouseMove, from + (to - from) * i / steps, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
    Settle(1);
}

// Types `text` into a widget key by key, as the keyboard would.
inline void TypeText(QWidget *widget, const QString &text)
{
    widget->setFocus();
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, key, shift, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, shift, QString(c));
        QApplication::sendEvent(widget, &release);
    }
    Settle(1);
}

struct ColourSummary
{
    int distinct = 0;       // distinct colours
    double commonest = 1.0; // the share of the picture's commonest colour
};

inline ColourSummary SummariseColours(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qsizetype> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x]];
    }
    ColourSummary summary;
    qsizetype most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = qMax(most, it.value());
    summary.distinct = int(counts.size());
    if (!rgb.isNull())
        summary.commonest = double(most) / (double(rgb.width()) * rgb.height());
    return summary;
}

class ShotRun
{
public:
    // A picture with content shows at least this many colours, and by default no colour covers more
    // than this share of it.
    static constexpr int MinimumColours = 24;
    static constexpr double MostOfOneColour = 0.6;

    ShotRun(const QStringList &arguments, const char *what)
    {
        for (const QString &argument : arguments.mid(1)) {
            if (argument == QLatin1String("--check"))
                m_check = true;
            else if (m_folder.isEmpty() && !argument.startsWith(QLatin1Char('-')))
                m_folder = argument;
            else
                m_usable = false;
        }
        if (m_folder.isEmpty() || !m_usable || !QDir().mkpath(m_folder)) {
            std::fprintf(stderr, "usage: %s FOLDER [--check]\n  %s\n",
                         qPrintable(QFileInfo(arguments.value(0)).fileName()), what);
            m_usable = false;
        }
    }

    bool usable() const { return m_usable; }

    // Something went wrong while the window was being put into its state: the run fails.
    void Fail(const QString &why)
    {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        m_failed = true;
    }

    // Saves what a shown window paints, menus, frames and children included, as NAME.png. `mostOfOne`
    // is the largest share of the picture that one colour may cover in a good picture of this window.
    void SaveWindow(QWidget &window, const QString &name, double mostOfOne = MostOfOneColour)
    {
        Settle();
        const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        SavePicture(picture, name, window.size(), mostOfOne);
    }

    // Saves a picture of a window of `windowSize` as NAME.png: what the window painted, or what the
    // game drew for its full-screen window.
    void SavePicture(const QImage &picture, const QString &name, QSize windowSize,
                     double mostOfOne = MostOfOneColour)
    {
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        QFile::remove(path);
        if (picture.isNull() || !picture.save(path, "PNG", 9))
            Fail(QStringLiteral("%1: could not be saved").arg(path));
        m_saved.push_back({path, windowSize, mostOfOne});
    }

    // Prints what was saved and, with --check, checks every file. The program's exit code.
    int Finish()
    {
        for (const Saved &saved : m_saved) {
            const QImage back(saved.path);
            const ColourSummary colours = SummariseColours(back);
            std::printf("%s: %dx%d, %d colours, %.0f%% of one, %lld bytes\n", qPrintable(saved.path),
                        back.width(), back.height(), colours.distinct, colours.commonest * 100,
                        static_cast<long long>(QFileInfo(saved.path).size()));
            if (!m_check)
                continue;
            if (back.isNull())
                Fail(QStringLiteral("%1: missing or unreadable").arg(saved.path));
            else if (back.size() != saved.windowSize)
                Fail(QStringLiteral("%1: %2x%3 instead of the window's %4x%5")
                         .arg(saved.path)
                         .arg(back.width())
                         .arg(back.height())
                         .arg(saved.windowSize.width())
                         .arg(saved.windowSize.height()));
            else if (colours.distinct < MinimumColours || colours.commonest > saved.mostOfOne)
                Fail(QStringLiteral("%1: looks blank").arg(saved.path));
        }
        if (m_saved.empty())
            Fail(QStringLiteral("no picture was saved"));
        return m_failed ? 1 : 0;
    }

private:
    struct Saved
    {
        QString path;
        QSize windowSize;
        double mostOfOne;
    };
    QString m_folder;
    bool m_check = false;
    bool m_usable = true;
    bool m_failed = false;
    std::vector<Saved> m_saved;
};

} // namespace shots
