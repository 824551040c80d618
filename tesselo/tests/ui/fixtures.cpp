#include "fixtures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace tesselo::testing {

QString WritePicture(const QTemporaryDir &dir, const QString &name, int width, int height,
                     QImage::Format format)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x + y) * 97) % 256));
    }
    const QString path = dir.filePath(name);
    picture.convertToFormat(format).save(path, "BMP");
    return path;
}

MessageLog::MessageLog()
    : m_previous(SetAlertSink([this](AlertIcon, const QString &title, const QString &text) {
        titles.append(title);
        texts.append(text);
    }))
{}

MessageLog::~MessageLog()
{
    SetAlertSink(std::move(m_previous));
}

void MessageLog::clear()
{
    titles.clear();
    texts.clear();
}

ModalAnswerer::ModalAnswerer()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Answer(); });
    m_timer.start(5);
}

void ModalAnswerer::Answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        titles.append(box->windowTitle());
        texts.append(box->text());
        QAbstractButton *button = nullptr;
        if (!answers.isEmpty())
            button = box->button(QMessageBox::StandardButton(answers.takeFirst()));
        if (!button)
            button = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                          : box->buttons().value(0);
        button->click();
        return;
    }
    // A dialog is handled after this tick has returned: what the handler does may open a message box of
    // its own, which later ticks then answer.
    if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && !m_dialogPending) {
        m_dialogPending = true;
        QTimer::singleShot(0, &m_timer, [this, dialog = QPointer<QDialog>(dialog)] {
            m_dialogPending = false;
            if (!dialog || !dialog->isVisible())
                return;
            if (onDialog)
                onDialog(dialog);
            else
                dialog->reject();
        });
    }
}

} // namespace tesselo::testing
