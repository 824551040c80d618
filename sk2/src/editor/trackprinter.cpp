#include "trackprinter.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace sk2 {

std::unique_ptr<QPrinter> CreateTrackPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir(folder).filePath(QStringLiteral("track.pdf")));
    }
    return printer;
}

} // namespace sk2
