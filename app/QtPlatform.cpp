// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtPlatform.h"

#include "app/SettingsFile.h"
#include "print/PageDevice.h"
#include "print/Worksheets.h"
#include "ui/machine/DocumentsFolder.h"
#include "ui/machine/FileDialogs.h"
#include "ui/machine/QtDialogs.h"
#include "ui/machine/Seams.h"
#include "ui/speech/QtSpeech.h"

#include <QCoreApplication>
#include <QPrinterInfo>

using kit::Clock;
using kit::Dialogs;
using kit::FileDialogs;
using kit::QtDialogs;
using kit::QtFileDialogs;
using kit::QtSpeech;
using kit::Silence;
using kit::Speech;
using kit::SystemClock;

namespace {

class SystemOutputs final : public worksheets::Outputs
{
public:
    explicit SystemOutputs(Faces &faces) : faces_(faces) {}

    bool hasPrinter() override { return !QPrinterInfo::defaultPrinter().isNull(); }

    std::unique_ptr<SheetDevice> openPrinter(const QString &jobName) override
    {
        return std::make_unique<PaperDevice>(faces_, QPrinterInfo::defaultPrinter(), jobName);
    }

    std::unique_ptr<SheetDevice> openPdf(const QString &path, const QString &title) override
    {
        return std::make_unique<PdfDevice>(faces_, path, title);
    }

    QString pdfFolder() override { return kit::documentsFolder().path; }
    Faces &faces() override { return faces_; }

private:
    Faces &faces_;
};

} // namespace

struct QtPlatform::Parts
{
    Parts(Faces &faces, const kit::Display *display) : dialogs(display), outputs(faces) {}

    QtDialogs dialogs;
    SystemClock clock;
    QtFileDialogs fileDialogs;
    std::unique_ptr<Speech> speech;
    SystemOutputs outputs;
    settingsfile::SaveFileWriter settingsWriter;
    QMetaObject::Connection quitting;
};

QtPlatform::QtPlatform(Voice voice, Faces &faces, const kit::Display *display)
    : parts_(std::make_unique<Parts>(faces, display))
{
    if (voice == Voice::Silent) {
        parts_->speech = std::make_unique<Silence>();
        return;
    }
    auto speaking = std::make_unique<QtSpeech>();
    // The voice's thread ends with the event loop, while the application is still there.
    parts_->quitting = QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                                        [voice = speaking.get()] { voice->shutDown(); });
    parts_->speech = std::move(speaking);
}

QtPlatform::~QtPlatform()
{
    QObject::disconnect(parts_->quitting);
}

Dialogs &QtPlatform::machineDialogs()
{
    return parts_->dialogs;
}

Clock &QtPlatform::clock()
{
    return parts_->clock;
}

FileDialogs &QtPlatform::fileDialogs()
{
    return parts_->fileDialogs;
}

Speech &QtPlatform::speech()
{
    return *parts_->speech;
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

worksheets::Outputs &QtPlatform::printOutputs()
{
    return parts_->outputs;
}

settingsfile::Writer &QtPlatform::settingsWriter()
{
    return parts_->settingsWriter;
}
