#include "model/records.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/config/unit_config.h"
#include "windows/insight/timeline_window.h"
#include "windows/main/unit_image_loop.h"
#include "windows/sequence_files/sequence_prompts.h"
#include "windows/shell/choosers.h"
#include "windows/shell/guarded_application.h"
#include "windows/show_sequence/unit_show_sequence.h"

#include <QIcon>
#include <exception>
#include <memory>

namespace {

// The theme's icon where the editor is installed; the built-in copy where it runs unpacked.
QIcon applicationIcon() {
    QIcon builtIn;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("org.orvex.SequenceEditor"), builtIn);
}

} // namespace

int main(int argc, char** argv) {
    orvex::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvex Sequence Editor"));
    // Lets the desktop match the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvex.SequenceEditor"));
    QApplication::setWindowIcon(applicationIcon());
    try {
        auto sequence = std::make_unique<orvex::Sequence>();
        orvex::QtChoosers choosers;
        orvex::QtSequencePrompts prompts;
        orvex::TFormImageLoop mainWindow(*sequence, choosers, prompts);
        orvex::TFormAddImage addImage(prompts, &mainWindow);
        orvex::TFormConfig config(
            choosers, prompts, [&mainWindow] { return mainWindow.sequenceFolder(); }, &mainWindow);
        orvex::TFormShowSeq showSeq(sequence->loopTable, &mainWindow);
        orvex::TimelineWindow timeline(sequence->loopTable, &mainWindow);
        mainWindow.attachWindows({&addImage, &config, &showSeq, &timeline});
        mainWindow.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        orvex::showCriticalError(QString::fromUtf8(error.what()));
    } catch (...) {
        orvex::showCriticalError(QString());
    }
    return 1;
}
