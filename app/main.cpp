#include "model/records.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/config/unit_config.h"
#include "windows/main/unit_image_loop.h"
#include "windows/sequence_files/sequence_prompts.h"
#include "windows/shell/choosers.h"
#include "windows/shell/guarded_application.h"
#include "windows/show_sequence/unit_show_sequence.h"

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    orvex::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvex Sequence Editor"));
    try {
        auto sequence = std::make_unique<orvex::Sequence>();
        orvex::QtChoosers choosers;
        orvex::QtSequencePrompts prompts;
        orvex::TFormImageLoop mainWindow(*sequence, choosers, prompts);
        orvex::TFormAddImage addImage(&mainWindow);
        orvex::TFormConfig config(&mainWindow);
        orvex::TFormShowSeq showSeq(sequence->loopTable, &mainWindow);
        mainWindow.attachWindows({&addImage, &config, &showSeq});
        mainWindow.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        orvex::showCriticalError(QString::fromUtf8(error.what()));
    } catch (...) {
        orvex::showCriticalError(QString());
    }
    return 1;
}
